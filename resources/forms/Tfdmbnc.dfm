object fdmbnc: Tfdmbnc
end
