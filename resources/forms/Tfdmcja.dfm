object fdmcja: Tfdmcja
end
