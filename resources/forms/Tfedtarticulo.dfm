inherited fedtarticulo: Tfedtarticulo
  Caption = 'Modificar art'#237'culo'
  inherited CArticulo: TClientDataSet
    AfterEdit = CArticuloAfterEdit
  end
end
