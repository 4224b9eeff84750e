object fdmfact: Tfdmfact
end
