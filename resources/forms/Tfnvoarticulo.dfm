inherited fnvoarticulo: Tfnvoarticulo
  Caption = 'Nuevo art'#237'culo'
  inherited CArticulo: TClientDataSet
    AfterInsert = CArticuloAfterInsert
  end
end
