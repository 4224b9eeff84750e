object fdmInv: TfdmInv
end
