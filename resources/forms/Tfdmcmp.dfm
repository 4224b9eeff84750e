object fdmcmp: Tfdmcmp
end
