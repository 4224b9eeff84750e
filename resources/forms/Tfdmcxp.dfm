object fdmcxp: Tfdmcxp
end
