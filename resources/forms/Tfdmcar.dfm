object fdmcar: Tfdmcar
end
