object fdmcnt: Tfdmcnt
end
