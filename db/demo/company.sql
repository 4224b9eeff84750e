-- Demo data of a company database. The set-up program sets, in the session:
-- DEMO_NOMBRE (the company's name), DEMO_ARTICULOS (how many articles to make) and
-- DEMO_TIPO (SUPERMERCADO, the default, or FERRETERIA: what the shop sells).

UPDATE CONFIGURACION SET CONF_VALOR = COALESCE(RDB$GET_CONTEXT('USER_SESSION', 'DEMO_NOMBRE'), CONF_VALOR)
  WHERE CONF_MODULO = 'GENERAL' AND CONF_CATEGORIA = 'GENERAL' AND CONF_PROPIEDAD = 'NOMBRE COMPAÑIA';

INSERT INTO SUCURSALES VALUES (1, 'Principal', 'Carrera 7 # 45-12', '601 345 6789');
INSERT INTO SUCURSALES VALUES (2, 'Norte', 'Calle 140 # 19-20', '601 612 3344');

INSERT INTO USUARIO (USER_COD, USER_NOMBRE, USER_ANOCNT, USER_PERCNT, SUCU_ID) VALUES ('ADMIN', 'Administradora del sistema', '2025', 0, 0);
INSERT INTO USUARIO (USER_COD, USER_NOMBRE, USER_ANOCNT, USER_PERCNT, SUCU_ID) VALUES ('CAJERO', 'Juan Pérez Cajero', '2025', 0, 1);
INSERT INTO USUARIO (USER_COD, USER_NOMBRE, USER_ANOCNT, USER_PERCNT, SUCU_ID) VALUES ('SYSDBA', 'Administrador del servidor', '2025', 0, 0);
INSERT INTO ACCESO_USUARIO VALUES ('CAJERO', 'FACTURACION', 0, 'S');
INSERT INTO ACCESO_USUARIO VALUES ('CAJERO', 'CONTABILIDAD', 0, 'N');

INSERT INTO BODEGA VALUES ('01', 'Bodega principal', 1);
INSERT INTO BODEGA VALUES ('02', 'Bodega norte', 2);
INSERT INTO PUNTO_VENTA VALUES (1, 'Caja 1 principal', 1);
INSERT INTO PUNTO_VENTA VALUES (2, 'Caja 1 norte', 2);
INSERT INTO CAJAS VALUES (1, 'Caja principal', 1, '110505');
INSERT INTO CAJAS VALUES (2, 'Caja norte', 2, '110505');
INSERT INTO CAJEROS VALUES ('CAJERO', 'Juan Pérez Cajero', 1);
INSERT INTO BANCOS VALUES ('07', 'Bancolombia');
INSERT INTO BANCOS VALUES ('51', 'Davivienda');
INSERT INTO CUENTAS_BANCO VALUES (1, '24512345678', '07', 'C', '111005');
INSERT INTO CUENTAS_BANCO VALUES (2, '008700112233', '51', 'A', '111005');
INSERT INTO TARJETAS VALUES (1, 'Visa', 2.5);
INSERT INTO TARJETAS VALUES (2, 'Mastercard', 2.5);
INSERT INTO TIPOS_MONEDA VALUES ('COP', 'Peso colombiano');
INSERT INTO TIPOS_MONEDA VALUES ('USD', 'Dólar estadounidense');
INSERT INTO TASA_CAMBIO_MONEDA VALUES ('USD', '2025/01/02', 4400.5000);
INSERT INTO ASESORES VALUES (1, 'Marta Lucía Gómez');
INSERT INTO VENDEDORES VALUES (1, 'Marta Lucía Gómez', 'S');
INSERT INTO VENDEDORES VALUES (2, 'Carlos Andrés Ruiz', 'S');
INSERT INTO COBRADORES VALUES (1, 'Pedro Castaño', 'S');
INSERT INTO COBRADORES VALUES (2, 'Luis Ortega (retirado)', 'N');
INSERT INTO ZONAS VALUES (1, 'Centro');
INSERT INTO ZONAS VALUES (2, 'Norte');
INSERT INTO PAISES VALUES ('169', 'Colombia');
INSERT INTO CIUDADES VALUES ('11001', 'Bogotá D.C.', '169');
INSERT INTO CIUDADES VALUES ('05001', 'Medellín', '169');
INSERT INTO CIUDADES VALUES ('76001', 'Cali', '169');
INSERT INTO PROYECTOS VALUES ('GEN', 'General');
INSERT INTO CENTROS (PROY_COD, CENT_COD, CENT_NOM) VALUES ('GEN', 'ADM', 'Administración');
INSERT INTO CENTROS (PROY_COD, CENT_COD, CENT_NOM) VALUES ('GEN', 'VTA', 'Ventas');
INSERT INTO PROGRAMAS VALUES (1, 'Punto de venta');
INSERT INTO MODULOS VALUES (1, 1, 'Facturación');
INSERT INTO OPCIONES VALUES (1, 1, 1, 'Consulta de precios');

-- Price lists: a general one, a wholesale one for the main branch, and a Saturday-afternoon
-- and a weekday-morning list that rule by weekday and hour.
INSERT INTO LISTA_PRECIOS VALUES (1, 'General', 0, NULL, NULL, NULL, 'S');
INSERT INTO LISTA_PRECIOS VALUES (2, 'Mayoristas', 1, NULL, NULL, NULL, 'N');
INSERT INTO LISTA_PRECIOS VALUES (3, 'Sábado feliz', 0, 6, '14:00:00', '18:00:00', 'S');
INSERT INTO LISTA_PRECIOS VALUES (4, 'Madrugadores', 0, 1, '06:00:00', '09:00:00', 'S');

-- The catalogue the articles are made from, for each kind of shop (S supermarket,
-- F hardware store): groups, subgroups, the brands of each group ("|" between
-- them) and the products, each with its variants, its sizes and, for each size,
-- the net quantity the unit price is given by and the weight in grams. Price and
-- dimensions (cm) are those of the first size. These tables go at the end.
CREATE TABLE DEMO_GRUPO (TIPO CHAR(1), GRUP_COD VARCHAR(2), GRUP_NOM VARCHAR(30));
CREATE TABLE DEMO_SUBGRUPO (TIPO CHAR(1), GRUP_COD VARCHAR(2), SUBG_COD VARCHAR(3), SUBG_NOM VARCHAR(30));
CREATE TABLE DEMO_MARCA (TIPO CHAR(1), GRUP_COD VARCHAR(2), MARCAS VARCHAR(400));
CREATE TABLE DEMO_PRODUCTO (TIPO CHAR(1), ORDEN INTEGER, GRUP_COD VARCHAR(2), SUBG_COD VARCHAR(3),
  NOMBRE VARCHAR(40), VARIANTES VARCHAR(400), TAMANOS VARCHAR(400), NETOS VARCHAR(200), PESOS VARCHAR(200),
  UNIDAD VARCHAR(8), IVA INTEGER, PRECIO NUMERIC(15,2), LARGO NUMERIC(9,1), ANCHO NUMERIC(9,1), ALTO NUMERIC(9,1),
  ARTI_TIPO CHAR(1), EXISTE CHAR(1), LOTE CHAR(1));

INSERT INTO DEMO_GRUPO VALUES ('S', '01', 'Abarrotes');
INSERT INTO DEMO_GRUPO VALUES ('S', '02', 'Lácteos y huevos');
INSERT INTO DEMO_GRUPO VALUES ('S', '03', 'Bebidas');
INSERT INTO DEMO_GRUPO VALUES ('S', '04', 'Aseo del hogar');
INSERT INTO DEMO_GRUPO VALUES ('S', '05', 'Carnes y charcutería');
INSERT INTO DEMO_GRUPO VALUES ('S', '06', 'Frutas y verduras');
INSERT INTO DEMO_GRUPO VALUES ('S', '07', 'Panadería');
INSERT INTO DEMO_GRUPO VALUES ('S', '08', 'Cuidado personal');
INSERT INTO DEMO_GRUPO VALUES ('S', '09', 'Hogar y mascotas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '001', 'Granos y azúcar');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '002', 'Enlatados');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '003', 'Harinas y pastas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '004', 'Aceites y salsas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '005', 'Café y chocolate');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '006', 'Dulces y galletas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '007', 'Cereales');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '01', '008', 'Pasabocas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '02', '001', 'Leches');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '02', '002', 'Yogures');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '02', '003', 'Quesos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '02', '004', 'Huevos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '02', '005', 'Mantequillas y cremas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '03', '001', 'Gaseosas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '03', '002', 'Jugos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '03', '003', 'Aguas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '03', '004', 'Cervezas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '03', '005', 'Refrescos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '03', '006', 'Vinos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '04', '001', 'Detergentes');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '04', '002', 'Lavaloza');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '04', '003', 'Limpiadores');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '04', '004', 'Papel de cocina');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '04', '005', 'Bolsas y esponjas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '05', '001', 'Res');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '05', '002', 'Pollo');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '05', '003', 'Cerdo');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '05', '004', 'Embutidos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '05', '005', 'Pescados');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '06', '001', 'Frutas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '06', '002', 'Verduras');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '06', '003', 'Tubérculos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '06', '004', 'Plátanos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '06', '005', 'Aguacates');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '07', '001', 'Panes');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '07', '002', 'Amasijos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '07', '003', 'Tortas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '08', '001', 'Jabones');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '08', '002', 'Champús');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '08', '003', 'Higiene oral');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '08', '004', 'Desodorantes');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '08', '005', 'Papel higiénico');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '08', '006', 'Higiene íntima y bebé');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '08', '007', 'Cremas y afeitada');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '09', '001', 'Iluminación');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '09', '002', 'Pilas');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '09', '003', 'Desechables');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '09', '004', 'Utensilios de aseo');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '09', '005', 'Velas y fósforos');
INSERT INTO DEMO_SUBGRUPO VALUES ('S', '09', '006', 'Mascotas');
INSERT INTO DEMO_MARCA VALUES ('S', '01', 'Don Grano|La Cosecha|Doña Rosa|El Granero|Sol del Campo|Abundancia|Sabor Criollo|Granos de Oro|Mi Despensa|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '02', 'La Vaquita|Valle Verde|San Pedro|Campo Lindo|La Pradera|El Ordeño|Montefrío|Llanerita|Lácteos Sur|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '03', 'Del Valle|Manantial|La Sierra|Frutal|Tropi|Kola Real|Andina|Viña del Río|Refrescos Sol|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '04', 'Brillo Hogar|Limpio Ya|Aroma Fresco|Blancura|Casa Clara|Espuma Azul|Pulcro|Lavatodo|Hogar Feliz|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '05', 'Del Sinú|El Gallo|La Granja|Don Pepe|Suiza|Pacífico|San José|La Sabana|Ahumados Sur|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '06', 'Santa Ana|Huerta Viva|Campo Fresco|Cosecha|Agro Boyacá|Quindío|Verde Natural|La Huerta|Mercado Vivo|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '07', 'El Trigal|Horno de Leña|La Espiga|Doña Chela|Pan del Día|Trigo Dorado|Pan de Casa|La Hogaza|Pan Fino|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '08', 'Piel Suave|Sonrisa|Frescura|Natural|Bebé Feliz|Cabello Sano|Belleza|Dermaflor|Dentex|La Economía');
INSERT INTO DEMO_MARCA VALUES ('S', '09', 'Luz Clara|Energía Max|Fiesta|Casa Útil|Firulais|Práctico|Chispa|Útil Hogar|Michi|La Economía');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 0, '01', '001', 'Azúcar', 'blanca|morena|refinada|pulverizada', '500 g|1 kg|2,5 kg|5 kg', '500|1000|2500|5000', '510|1020|2550|5100', 'UNIDAD', 2, 2600, 16, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 1, '01', '001', 'Arroz', 'blanco|integral|parbolizado|premium|de grano largo', '500 g|1 kg|2,5 kg|5 kg|10 kg', '500|1000|2500|5000|10000', '510|1020|2550|5100|10200', 'UNIDAD', 0, 2400, 18, 11, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 2, '01', '005', 'Café molido', 'tradicional|suave|oscuro|descafeinado|orgánico|gourmet', '125 g|250 g|500 g|1 kg', '125|250|500|1000', '128|255|510|1020', 'UNIDAD', 2, 6900, 14, 8, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 3, '01', '001', 'Fríjol', 'cargamanto rojo|bola roja|blanco|negro|radical|calima', '500 g|1 kg|2,5 kg', '500|1000|2500', '510|1020|2550', 'UNIDAD', 0, 5200, 16, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 4, '01', '001', 'Lenteja', '|roja|verde|pardina', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 0, 2900, 16, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 5, '01', '001', 'Garbanzo', '|mexicano|pequeño', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 0, 3500, 16, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 6, '01', '001', 'Arveja seca', 'verde|amarilla', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 0, 2700, 16, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 7, '01', '001', 'Maíz pira', '|amarillo|orgánico', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 0, 2500, 16, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 8, '01', '001', 'Maíz peto', 'blanco|amarillo', '500 g|1 kg', '500|1000', '510|1020', 'UNIDAD', 0, 2600, 16, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 9, '01', '001', 'Avena en hojuelas', '|tradicional|integral|con canela|instantánea', '200 g|400 g|500 g|1 kg', '200|400|500|1000', '204|408|510|1020', 'UNIDAD', 2, 2600, 18, 10, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 10, '01', '001', 'Sal', 'refinada|marina|yodada|baja en sodio|parrillera', '500 g|1 kg|3 kg', '500|1000|3000', '510|1020|3060', 'UNIDAD', 0, 1200, 15, 9, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 11, '01', '003', 'Harina de trigo', '|todo uso|leudante|integral', '500 g|1 kg|2,5 kg', '500|1000|2500', '510|1020|2550', 'UNIDAD', 2, 2300, 18, 11, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 12, '01', '003', 'Harina de maíz precocida', 'blanca|amarilla', '500 g|1 kg', '500|1000', '510|1020', 'UNIDAD', 0, 3300, 18, 11, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 13, '01', '003', 'Pasta spaghetti', '|integral|con huevo|de espinaca', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 2, 2200, 27, 8, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 14, '01', '003', 'Pasta corta', 'conchitas|macarrón|tornillo|pluma|fideo|letras', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 2, 2100, 20, 12, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 15, '01', '004', 'Aceite', 'de girasol|de soya|de canola|vegetal|de oliva|mezcla', '500 ml|900 ml|1 L|2 L|3 L|5 L', '500|900|1000|2000|3000|5000', '475|855|950|1900|2850|4750', 'UNIDAD', 2, 7900, 7, 7, 22, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 16, '01', '004', 'Vinagre', 'blanco|de manzana|de vino', '500 ml|1 L|3 L', '500|1000|3000', '525|1050|3150', 'UNIDAD', 3, 2400, 7, 7, 20, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 17, '01', '004', 'Salsa de tomate', '|sin azúcar|con trozos', '200 g|400 g|1 kg|4 kg', '200|400|1000|4000', '204|408|1020|4080', 'UNIDAD', 3, 3900, 7, 5, 16, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 18, '01', '004', 'Mayonesa', '|light|con ajo|de aguacate', '200 g|400 g|1 kg|3 kg', '200|400|1000|3000', '204|408|1020|3060', 'UNIDAD', 3, 4900, 8, 8, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 19, '01', '004', 'Mostaza', '|miel mostaza|antigua', '200 g|400 g|1 kg', '200|400|1000', '204|408|1020', 'UNIDAD', 3, 3500, 7, 5, 16, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 20, '01', '004', 'Condimento', 'comino|color|pimienta negra|orégano|triguisar|ajo en polvo|canela molida|laurel', '25 g|55 g|110 g|500 g', '25|55|110|500', '26|56|112|510', 'UNIDAD', 2, 1400, 6, 6, 9, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 21, '01', '004', 'Caldo en cubos', 'de gallina|de costilla|de pollo|de verduras|de res', 'x 2 cubos|x 8 cubos|x 12 cubos|x 24 cubos', '2|8|12|24', '20|80|120|240', 'UNIDAD', 3, 900, 6, 4, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 22, '01', '002', 'Atún', 'en aceite|en agua|lomitos en aceite|rallado|con verduras', '80 g|160 g|170 g|354 g', '80|160|170|354', '82|163|173|361', 'UNIDAD', 3, 4900, 8, 8, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 23, '01', '002', 'Sardinas', 'en salsa de tomate|en aceite|picantes', '155 g|425 g', '155|425', '158|434', 'UNIDAD', 3, 4200, 11, 7, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 24, '01', '002', 'Maíz tierno', '|dulce|desgranado', '200 g|300 g|425 g|2 kg', '200|300|425|2000', '204|306|434|2040', 'UNIDAD', 3, 3900, 7, 7, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 25, '01', '002', 'Fríjoles enlatados', 'rojos|antioqueños|negros|refritos', '300 g|430 g|580 g', '300|430|580', '306|439|592', 'UNIDAD', 3, 4300, 7, 7, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 26, '01', '002', 'Arveja con zanahoria', '|tierna', '300 g|580 g', '300|580', '306|592', 'UNIDAD', 3, 3600, 7, 7, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 27, '01', '002', 'Durazno en almíbar', '|en mitades|en cubos', '410 g|820 g|3 kg', '410|820|3000', '418|836|3060', 'UNIDAD', 3, 6900, 8, 8, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 28, '01', '005', 'Chocolate de mesa', 'tradicional|con canela|con clavos|sin azúcar|amargo', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 2, 5800, 17, 9, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 29, '01', '005', 'Café instantáneo', '|descafeinado|intenso|con leche', '50 g|85 g|170 g|250 g', '50|85|170|250', '51|87|173|255', 'UNIDAD', 2, 8900, 7, 7, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 30, '01', '005', 'Té', 'negro|verde|manzanilla|frutos rojos|limoncillo|hierbabuena', 'x 20 sobres|x 50 sobres|x 100 sobres', '20|50|100', '40|100|200', 'UNIDAD', 3, 3800, 13, 7, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 31, '01', '005', 'Panela', '|pulverizada|redonda|orgánica', '500 g|1 kg|2 kg', '500|1000|2000', '510|1020|2040', 'UNIDAD', 0, 2800, 13, 9, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 32, '01', '006', 'Galletas', 'de soda|saladas|de mantequilla|integrales|con chips de chocolate|de avena|wafer de vainilla|rellenas de fresa', '100 g|200 g|300 g|450 g|900 g', '100|200|300|450|900', '102|204|306|459|918', 'UNIDAD', 3, 2200, 20, 6, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 33, '01', '006', 'Chocolatina', 'de leche|con maní|con almendras|blanca|amarga', '12 g|24 g|40 g|100 g', '12|24|40|100', '12|24|41|102', 'UNIDAD', 3, 1200, 12, 4, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 34, '01', '006', 'Mermelada', 'de fresa|de mora|de guayaba|de durazno|de piña|de frutos rojos', '200 g|300 g|600 g', '200|300|600', '204|306|612', 'UNIDAD', 3, 5600, 7, 7, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 35, '01', '006', 'Arequipe', '|de café|light', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 3, 6200, 8, 8, 9, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 36, '01', '006', 'Bocadillo veleño', '|con arequipe|lonja', '200 g|500 g|1 kg', '200|500|1000', '204|510|1020', 'UNIDAD', 3, 3800, 16, 8, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 37, '01', '007', 'Cereal', 'de maíz|con chocolate|de arroz inflado|con miel|multigrano|con frutas', '180 g|300 g|500 g|800 g', '180|300|500|800', '184|306|510|816', 'UNIDAD', 3, 7900, 19, 6, 27, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 38, '01', '007', 'Granola', 'con frutos secos|con miel|sin azúcar|con chocolate', '300 g|500 g|1 kg', '300|500|1000', '306|510|1020', 'UNIDAD', 3, 9800, 15, 7, 22, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 39, '01', '008', 'Papas fritas', 'de limón|naturales|de pollo|onduladas|picantes|de queso', '30 g|105 g|200 g|350 g', '30|105|200|350', '31|107|204|357', 'UNIDAD', 3, 1800, 16, 6, 22, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 40, '01', '008', 'Maní', 'salado|con sal y limón|japonés|con pasas|sin sal', '50 g|150 g|400 g', '50|150|400', '51|153|408', 'UNIDAD', 3, 1900, 11, 4, 16, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 41, '01', '008', 'Rosquitas de maíz', '|picantes|con queso', '45 g|150 g|250 g', '45|150|250', '46|153|255', 'UNIDAD', 3, 1600, 14, 5, 20, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 42, '02', '001', 'Leche', 'entera|deslactosada|semidescremada|descremada|en polvo entera|saborizada de fresa|saborizada de chocolate', '200 ml|400 ml|900 ml|1 L|1,1 L|1,3 L', '200|400|900|1000|1100|1300', '206|412|927|1030|1133|1339', 'UNIDAD', 1, 4300, 7, 7, 20, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 43, '02', '002', 'Yogur', 'de mora|de fresa|de melocotón|natural|griego|de vainilla|con cereal|de guanábana', '150 g|200 g|1 kg|1,75 kg', '150|200|1000|1750', '153|204|1020|1785', 'UNIDAD', 3, 2500, 7, 7, 9, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 44, '02', '002', 'Kumis', '|light|con melocotón', '200 g|1 kg|1,75 kg', '200|1000|1750', '204|1020|1785', 'UNIDAD', 3, 2300, 7, 7, 10, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 45, '02', '003', 'Queso', 'campesino|doble crema|mozzarella|costeño|parmesano|cuajada|holandés|sabana', '125 g|250 g|500 g|1 kg|2,5 kg', '125|250|500|1000|2500', '128|255|510|1020|2550', 'UNIDAD', 1, 5200, 12, 9, 4, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 46, '02', '003', 'Queso crema', '|light|finas hierbas', '200 g|400 g', '200|400', '204|408', 'UNIDAD', 3, 6100, 10, 7, 6, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 47, '02', '004', 'Huevos', 'rojos|blancos|campesinos|de codorniz|AA rojos|extra rojos', 'x 6 und|x 12 und|x 15 und|x 30 und', '6|12|15|30', '372|744|930|1860', 'UNIDAD', 1, 4200, 16, 10, 7, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 48, '02', '005', 'Mantequilla', 'con sal|sin sal|untable|de ajo', '125 g|250 g|500 g|1 kg', '125|250|500|1000', '128|255|510|1020', 'UNIDAD', 3, 5600, 10, 6, 4, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 49, '02', '005', 'Margarina', '|con sal|light|para hornear', '125 g|250 g|500 g|1 kg', '125|250|500|1000', '128|255|510|1020', 'UNIDAD', 3, 2900, 10, 6, 4, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 50, '02', '001', 'Leche condensada', '|light|arequipe', '100 g|300 g|397 g|1 kg', '100|300|397|1000', '102|306|405|1020', 'UNIDAD', 3, 3800, 7, 7, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 51, '02', '005', 'Crema de leche', '|light|para batir', '200 ml|500 ml|1 L', '200|500|1000', '210|525|1050', 'UNIDAD', 3, 3700, 7, 5, 10, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 52, '03', '001', 'Gaseosa', 'cola|naranja|limón|uva|manzana|colombiana|piña|cola cero', '250 ml|350 ml|400 ml|1,5 L|2 L|2,5 L|3 L', '250|350|400|1500|2000|2500|3000', '262|368|420|1575|2100|2625|3150', 'UNIDAD', 3, 1900, 6, 6, 18, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 53, '03', '002', 'Jugo', 'de naranja|de mango|de lulo|de mora|de guayaba|de manzana|de durazno|tropical', '200 ml|250 ml|1 L|1,5 L', '200|250|1000|1500', '212|265|1060|1590', 'UNIDAD', 3, 1800, 6, 4, 12, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 54, '03', '003', 'Agua', '|con gas|saborizada de limón|saborizada de maracuyá|alcalina', '300 ml|600 ml|1 L|1,5 L|5 L|6 L', '300|600|1000|1500|5000|6000', '306|612|1020|1530|5100|6120', 'UNIDAD', 3, 1300, 6, 6, 20, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 55, '03', '004', 'Cerveza', 'lager|rubia|negra|roja|sin alcohol|light', '250 ml|330 ml|350 ml|750 ml', '250|330|350|750', '338|446|473|1013', 'UNIDAD', 3, 2700, 6, 6, 12, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 56, '03', '005', 'Refresco en polvo', 'de naranja|de mango|de maracuyá|de limón|de uva|de mora|de tamarindo', '15 g|30 g|180 g|360 g', '15|30|180|360', '15|31|184|367', 'UNIDAD', 3, 700, 11, 8, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 57, '03', '005', 'Bebida hidratante', 'de limón|de naranja|de uva|de mandarina|tropical', '500 ml|600 ml|1 L', '500|600|1000', '515|618|1030', 'UNIDAD', 3, 3300, 7, 7, 21, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 58, '03', '006', 'Vino', 'tinto|blanco|rosado|espumoso', '375 ml|750 ml|1,5 L', '375|750|1500', '712|1425|2850', 'UNIDAD', 3, 18900, 8, 8, 30, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 59, '03', '002', 'Té frío', 'de limón|de durazno|verde', '250 ml|400 ml|1,5 L', '250|400|1500', '260|416|1560', 'UNIDAD', 3, 2200, 6, 6, 17, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 60, '04', '001', 'Detergente en polvo', 'multiusos|con suavizante|ropa blanca|ropa de color|aroma floral|limón', '250 g|500 g|1 kg|2 kg|4 kg|5 kg', '250|500|1000|2000|4000|5000', '255|510|1020|2040|4080|5100', 'UNIDAD', 3, 3700, 18, 12, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 61, '04', '001', 'Detergente líquido', 'ropa de color|ropa blanca|ropa delicada|concentrado|aroma lavanda', '500 ml|1 L|2 L|3 L|5 L', '500|1000|2000|3000|5000', '540|1080|2160|3240|5400', 'UNIDAD', 3, 8900, 10, 7, 24, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 62, '04', '001', 'Suavizante', 'primavera|lavanda|brisa marina|bebé|floral', '400 ml|900 ml|2 L|4 L', '400|900|2000|4000', '412|927|2060|4120', 'UNIDAD', 3, 5200, 10, 7, 22, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 63, '04', '001', 'Jabón de barra para ropa', 'azul|blanco|con limón|de coco', '200 g|300 g|600 g|900 g', '200|300|600|900', '204|306|612|918', 'UNIDAD', 3, 2100, 12, 6, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 64, '04', '002', 'Lavaloza', 'en crema limón|en crema de coco|líquido|líquido antibacterial|en crema verde', '150 g|450 g|900 g|2 kg', '150|450|900|2000', '153|459|918|2040', 'UNIDAD', 3, 2600, 10, 10, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 65, '04', '003', 'Limpiador multiusos', 'lavanda|pino|floral|frutas cítricas|bebé|brisa marina', '500 ml|1 L|2 L|3,8 L', '500|1000|2000|3800', '510|1020|2040|3876', 'UNIDAD', 3, 3900, 10, 7, 23, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 66, '04', '003', 'Blanqueador', '|con aroma a limón|gel|concentrado', '500 ml|1 L|2 L|3,8 L', '500|1000|2000|3800', '550|1100|2200|4180', 'UNIDAD', 3, 2900, 10, 7, 23, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 67, '04', '003', 'Desengrasante', 'para cocina|multiusos|con limón', '500 ml|1 L', '500|1000', '510|1020', 'UNIDAD', 3, 7400, 10, 7, 23, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 68, '04', '004', 'Toallas de cocina', '|doble hoja|multiusos', '|x 2 rollos|x 3 rollos|x 6 rollos', '1|2|3|6', '140|280|420|840', 'UNIDAD', 3, 4100, 24, 12, 12, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 69, '04', '004', 'Servilletas', 'blancas|de colores|de lujo', 'x 100 und|x 200 und|x 300 und|x 500 und', '100|200|300|500', '120|240|360|600', 'UNIDAD', 3, 2300, 16, 16, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 70, '04', '005', 'Bolsas de basura', 'negras|verdes|grises|para cocina|con manija', 'x 6 und|x 10 und|x 30 und', '6|10|30', '132|220|660', 'UNIDAD', 3, 2800, 15, 10, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 71, '04', '005', 'Esponjas', 'de cocina|abrasivas|de acero|multiusos', '|x 2 und|x 3 und|x 6 und', '1|2|3|6', '12|24|36|72', 'UNIDAD', 3, 1300, 11, 7, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 72, '04', '003', 'Ambientador', 'lavanda|manzana canela|vainilla|brisa marina|cítrico', '270 ml|360 ml|400 ml', '270|360|400', '338|450|500', 'UNIDAD', 3, 8900, 6, 6, 22, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 73, '05', '001', 'Carne de res', 'molida|para asar|punta de anca|lomo fino|sobrebarriga|costilla|muchacho|bola de pierna', '', '1000', '1000', 'KILO', 0, 26900, 25, 18, 4, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 74, '05', '002', 'Pollo', 'entero|pechuga|muslos|alas|pernil|filete de pechuga', '', '1000', '1000', 'KILO', 0, 12900, 25, 18, 6, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 75, '05', '003', 'Cerdo', 'lomo|costilla|chuleta|tocino|pernil|carne molida', '', '1000', '1000', 'KILO', 0, 19900, 25, 18, 4, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 76, '05', '004', 'Salchichas', 'de pollo|de res|de cerdo|tipo ranchera|coctel', '150 g|250 g|500 g|1 kg', '150|250|500|1000', '153|255|510|1020', 'UNIDAD', 3, 4900, 18, 10, 3, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 77, '05', '004', 'Chorizo', 'santarrosano|antioqueño|de ternera|ahumado', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 3, 8900, 20, 12, 4, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 78, '05', '004', 'Jamón', 'de cerdo|de pavo|ahumado|sánduche', '125 g|250 g|450 g', '125|250|450', '128|255|459', 'UNIDAD', 3, 6900, 16, 12, 2, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 79, '05', '004', 'Salchichón', 'cervecero|de pollo|tradicional', '250 g|500 g|1 kg', '250|500|1000', '255|510|1020', 'UNIDAD', 3, 6400, 22, 6, 6, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 80, '05', '005', 'Pescado', 'tilapia roja|bagre|mojarra|trucha|filete de merluza|salmón', '', '1000', '1000', 'KILO', 0, 18900, 30, 15, 5, 'A', 'S', 'L');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 81, '06', '001', '', 'Naranja tangelo|Mandarina|Manzana roja|Manzana verde|Pera|Mango tommy|Guayaba|Lulo|Maracuyá|Limón tahití|Papaya|Piña oro miel|Mora|Fresa|Uva isabela|Granadilla', '', '1000', '1000', 'KILO', 0, 4800, 25, 20, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 82, '06', '002', '', 'Tomate chonto|Cebolla cabezona|Cebolla larga|Zanahoria|Pimentón|Ahuyama|Habichuela|Repollo|Lechuga batavia|Pepino cohombro|Brócoli|Coliflor|Ajo|Cilantro', '', '1000', '1000', 'KILO', 0, 3900, 25, 20, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 83, '06', '003', 'Papa', 'pastusa|criolla|sabanera|R-12|única', '', '1000', '1000', 'KILO', 0, 2900, 25, 20, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 84, '06', '003', 'Yuca', '|parafinada', '', '1000', '1000', 'KILO', 0, 2600, 30, 10, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 85, '06', '004', 'Plátano', 'hartón verde|hartón maduro|dominico|guineo', '', '1000', '1000', 'KILO', 0, 3200, 28, 15, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 86, '06', '004', 'Banano', 'criollo|bocadillo|orgánico', '', '1000', '1000', 'KILO', 0, 2900, 25, 15, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 87, '06', '005', 'Aguacate', 'hass|papelillo|criollo', '', '1000', '1000', 'KILO', 0, 8900, 20, 15, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 88, '07', '001', 'Pan tajado', 'blanco|integral|multicereal|mantequilla|de avena', '250 g|450 g|600 g|730 g', '250|450|600|730', '255|459|612|745', 'UNIDAD', 3, 5400, 28, 11, 11, 'A', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 89, '07', '001', 'Pan', 'francés|campesino|de bono|aliñado|de queso|hojaldrado', '|x 4 und|x 6 und|x 10 und', '1|4|6|10', '80|320|480|800', 'UNIDAD', 3, 1500, 20, 8, 8, 'A', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 90, '07', '002', 'Almojábana', '|de queso costeño|rellena de bocadillo', '|x 4 und|x 6 und|x 10 und', '1|4|6|10', '60|240|360|600', 'UNIDAD', 3, 1300, 8, 8, 6, 'A', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 91, '07', '002', 'Pandebono', '|relleno de arequipe|mini', '|x 4 und|x 6 und|x 12 und', '1|4|6|12', '55|220|330|660', 'UNIDAD', 3, 1300, 8, 8, 6, 'A', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 92, '07', '002', 'Buñuelo', '|mini', '|x 4 und|x 6 und|x 12 und', '1|4|6|12', '50|200|300|600', 'UNIDAD', 3, 1200, 7, 7, 7, 'A', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 93, '07', '003', 'Torta', 'de chocolate|de vainilla|de zanahoria|negra|de naranja|tres leches', '300 g|500 g|1 kg|2 kg', '300|500|1000|2000', '306|510|1020|2040', 'UNIDAD', 3, 9800, 18, 18, 8, 'A', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 94, '07', '001', 'Tostadas', 'integrales|de mantequilla|de ajo|clásicas', '110 g|220 g|340 g', '110|220|340', '112|224|347', 'UNIDAD', 3, 4200, 20, 10, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 95, '08', '001', 'Jabón de tocador', 'avena|aloe vera|glicerina|antibacterial|rosas|coco|neutro|para bebé', '|x 3 und|x 6 und', '1|3|6', '125|375|750', 'UNIDAD', 3, 2600, 9, 6, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 96, '08', '002', 'Champú', 'anticaspa|rizos definidos|reparación|brillo|para bebé|cabello graso|cabello seco|manzanilla', '200 ml|400 ml|700 ml|1 L', '200|400|700|1000', '206|412|721|1030', 'UNIDAD', 3, 11900, 7, 5, 20, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 97, '08', '002', 'Acondicionador', 'reparación|rizos|liso perfecto|brillo|manzanilla', '200 ml|400 ml|700 ml|1 L', '200|400|700|1000', '206|412|721|1030', 'UNIDAD', 3, 11900, 7, 5, 20, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 98, '08', '003', 'Crema dental', 'triple acción|blanqueadora|para encías|menta fresca|para niños|sensibilidad', '50 g|75 g|100 g|150 g', '50|75|100|150', '51|76|102|153', 'UNIDAD', 3, 4900, 19, 5, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 99, '08', '003', 'Cepillo de dientes', 'suave|medio|para niños|de carbón', '|x 2 und|x 3 und', '1|2|3', '20|40|60', 'UNIDAD', 3, 3900, 21, 5, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 100, '08', '004', 'Desodorante', 'en barra|en spray|roll-on|en crema', '45 g|50 g|100 g|150 g', '45|50|100|150', '46|51|102|153', 'UNIDAD', 3, 11900, 6, 4, 14, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 101, '08', '005', 'Papel higiénico', 'doble hoja|triple hoja|económico|con aroma', 'x 4 rollos|x 6 rollos|x 12 rollos|x 24 rollos|x 30 rollos', '4|6|12|24|30', '440|660|1320|2640|3300', 'UNIDAD', 3, 6900, 22, 11, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 102, '08', '006', 'Toallas higiénicas', 'normales|nocturnas|delgadas|con alas', 'x 8 und|x 10 und|x 16 und|x 30 und', '8|10|16|30', '48|60|96|180', 'UNIDAD', 0, 4600, 14, 8, 7, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 103, '08', '006', 'Pañales', 'etapa 1|etapa 2|etapa 3|etapa 4|etapa 5', 'x 20 und|x 30 und|x 50 und|x 100 und', '20|30|50|100', '640|960|1600|3200', 'UNIDAD', 0, 32900, 30, 22, 12, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 104, '08', '006', 'Pañitos húmedos', 'para bebé|con aloe|sin aroma', 'x 20 und|x 50 und|x 100 und', '20|50|100', '120|300|600', 'UNIDAD', 3, 5400, 20, 12, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 105, '08', '007', 'Crema corporal', 'humectante|con aloe|para piel seca|con avena', '200 ml|400 ml|1 L', '200|400|1000', '200|400|1000', 'UNIDAD', 3, 12900, 7, 5, 19, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 106, '08', '007', 'Máquina de afeitar', 'desechable|de tres hojas|para mujer', '|x 2 und|x 4 und|x 10 und', '1|2|4|10', '12|24|48|120', 'UNIDAD', 3, 3600, 15, 5, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 107, '09', '001', 'Bombillo LED', 'luz blanca|luz cálida', '7 W|9 W|12 W|15 W|20 W', '1|1|1|1|1', '40|45|55|65|80', 'UNIDAD', 3, 5900, 6, 6, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 108, '09', '002', 'Pilas', 'AA alcalinas|AAA alcalinas|C|D|9 V|AA recargables', 'x 2 und|x 4 und|x 8 und', '2|4|8', '48|96|192', 'UNIDAD', 3, 4900, 12, 9, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 109, '09', '003', 'Vasos desechables', 'de 7 onzas|de 9 onzas|de 12 onzas|térmicos', 'x 25 und|x 50 und|x 100 und', '25|50|100', '75|150|300', 'UNIDAD', 3, 2600, 8, 8, 20, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 110, '09', '003', 'Platos desechables', 'pandos|hondos|de cartón', 'x 20 und|x 50 und|x 100 und', '20|50|100', '100|250|500', 'UNIDAD', 3, 3400, 20, 20, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 111, '09', '003', 'Papel aluminio', '|extra fuerte', '7 m|16 m|45 m', '7|16|45', '120|250|600', 'UNIDAD', 3, 4900, 31, 5, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 112, '09', '003', 'Vinipel', '|extra largo', '30 m|100 m|300 m', '30|100|300', '200|550|1500', 'UNIDAD', 3, 5900, 31, 5, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 113, '09', '004', 'Escoba', 'suave|dura|de cerdas plásticas|multiusos', '|con palo', '1|1', '600|900', 'UNIDAD', 3, 8900, 120, 28, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 114, '09', '004', 'Trapero', 'de algodón|de microfibra|de tiras', '|con palo', '1|1', '500|800', 'UNIDAD', 3, 9900, 120, 30, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 115, '09', '004', 'Recogedor', '|con banda de caucho|con palo', '', '1', '350', 'UNIDAD', 3, 6400, 30, 25, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 116, '09', '004', 'Guantes de caucho', 'talla S|talla M|talla L', '|x 2 pares', '1|2', '60|120', 'UNIDAD', 3, 4300, 30, 14, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 117, '09', '005', 'Velas', 'blancas|de colores|aromáticas|de cumpleaños', '|x 6 und|x 12 und|x 24 und', '1|6|12|24', '50|300|600|1200', 'UNIDAD', 3, 1500, 20, 10, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 118, '09', '005', 'Fósforos', '|de cocina|largos', '|x 10 cajas', '1|10', '15|150', 'UNIDAD', 3, 300, 5, 3, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 119, '09', '006', 'Alimento para perros', 'adulto|cachorro|razas pequeñas|senior|pollo y arroz', '500 g|1 kg|2 kg|4 kg|8 kg', '500|1000|2000|4000|8000', '510|1020|2040|4080|8160', 'UNIDAD', 2, 7900, 28, 18, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 120, '09', '006', 'Alimento para gatos', 'adulto|gatito|salmón|pollo', '500 g|1 kg|1,5 kg|3 kg|7 kg', '500|1000|1500|3000|7000', '510|1020|1530|3060|7140', 'UNIDAD', 2, 9400, 25, 16, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('S', 121, '09', '006', 'Arena para gatos', '|aglomerante|con aroma', '2 kg|4,5 kg|10 kg', '2000|4500|10000', '2040|4590|10200', 'UNIDAD', 3, 9900, 30, 20, 8, 'A', 'S', 'N');
INSERT INTO DEMO_GRUPO VALUES ('F', '01', 'Herramientas manuales');
INSERT INTO DEMO_GRUPO VALUES ('F', '02', 'Herramientas eléctricas');
INSERT INTO DEMO_GRUPO VALUES ('F', '03', 'Tornillería y fijación');
INSERT INTO DEMO_GRUPO VALUES ('F', '04', 'Eléctricos');
INSERT INTO DEMO_GRUPO VALUES ('F', '05', 'Plomería');
INSERT INTO DEMO_GRUPO VALUES ('F', '06', 'Pinturas');
INSERT INTO DEMO_GRUPO VALUES ('F', '07', 'Construcción');
INSERT INTO DEMO_GRUPO VALUES ('F', '08', 'Cerrajería y seguridad');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '01', '001', 'Martillos');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '01', '002', 'Destornilladores');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '01', '003', 'Llaves');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '01', '004', 'Alicates');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '01', '005', 'Sierras');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '01', '006', 'Medición');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '01', '007', 'Palas y picas');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '02', '001', 'Taladros');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '02', '002', 'Pulidoras y caladoras');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '02', '003', 'Brocas y discos');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '03', '001', 'Tornillos');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '03', '002', 'Puntillas');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '03', '003', 'Tuercas y arandelas');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '03', '004', 'Chazos');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '03', '005', 'Pegantes y siliconas');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '04', '001', 'Cables');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '04', '002', 'Bombillos');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '04', '003', 'Tomas e interruptores');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '04', '004', 'Cintas');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '05', '001', 'Tubería');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '05', '002', 'Accesorios PVC');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '05', '003', 'Grifería');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '05', '004', 'Mangueras');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '06', '001', 'Pinturas');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '06', '002', 'Brochas y rodillos');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '06', '003', 'Lijas');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '06', '004', 'Disolventes');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '07', '001', 'Cementos');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '07', '002', 'Agregados');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '07', '003', 'Estucos y pegantes');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '07', '004', 'Hierro');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '08', '001', 'Candados');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '08', '002', 'Cerraduras');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '08', '003', 'Protección personal');
INSERT INTO DEMO_SUBGRUPO VALUES ('F', '08', '004', 'Servicios');
INSERT INTO DEMO_MARCA VALUES ('F', '01', 'Andina|Forja|Titán|Acero Paisa|Maestro|Herracol');
INSERT INTO DEMO_MARCA VALUES ('F', '02', 'PowerMax|Voltio|Taladra|Impacto|Motorex|ProTools');
INSERT INTO DEMO_MARCA VALUES ('F', '03', 'Fijamax|Rosca|FixPro|Acerpaz|Pegafuerte|Sellatodo');
INSERT INTO DEMO_MARCA VALUES ('F', '04', 'Luminex|Andielec|Voltech|Chispazo|Cablemax|Luz Paisa');
INSERT INTO DEMO_MARCA VALUES ('F', '05', 'Hidropro|Aguaclara|Tuboplast|Grifos Sur|Acuaflex|PVC Andino');
INSERT INTO DEMO_MARCA VALUES ('F', '06', 'Colorín|Tono Vivo|Acabados|Brillante|Pinta Fácil|Cubritodo');
INSERT INTO DEMO_MARCA VALUES ('F', '07', 'Roca Fuerte|Construmax|Estucor|Muro Firme|Obra Negra|Aburrá');
INSERT INTO DEMO_MARCA VALUES ('F', '08', 'Segurex|Candamax|Guardián|ProSeg|Cierre Total|Cerrojo');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 0, '01', '001', 'Martillo', 'de uña|de bola|de goma|de carpintero', '8 oz|16 oz|20 oz|24 oz', '1|1|1|1', '300|550|700|850', 'UNIDAD', 3, 18900, 28, 11, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 1, '01', '001', 'Maceta', 'de acero|de caucho', '2 lb|3 lb|4 lb', '1|1|1', '1000|1450|1900', 'UNIDAD', 3, 24900, 26, 10, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 2, '01', '002', 'Destornillador', 'de pala|de estrella|de precisión|aislado de pala|aislado de estrella', '1/8 x 3"|3/16 x 4"|1/4 x 6"|5/16 x 8"', '1|1|1|1', '45|70|110|150', 'UNIDAD', 3, 6900, 20, 3, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 3, '01', '002', 'Juego de destornilladores', '|de precisión|con puntas', 'x 6 pzas|x 8 pzas|x 12 pzas', '6|8|12', '480|640|960', 'UNIDAD', 3, 29900, 22, 15, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 4, '01', '003', 'Llave', 'inglesa|de tubo|mixta|expansiva', '6"|8"|10"|12"|14"', '1|1|1|1|1', '150|250|380|520|700', 'UNIDAD', 3, 17900, 20, 6, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 5, '01', '003', 'Juego de llaves bristol', 'en pulgadas|milimétricas|torx', 'x 7 pzas|x 9 pzas|x 10 pzas', '7|9|10', '210|270|300', 'UNIDAD', 3, 16900, 18, 6, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 6, '01', '004', 'Alicate', 'universal|de punta|de corte|de presión|pelacables', '6"|7"|8"|10"', '1|1|1|1', '220|260|310|420', 'UNIDAD', 3, 15900, 20, 6, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 7, '01', '005', 'Serrucho', 'de carpintero|de costilla|para poda', '16"|20"|22"', '1|1|1', '450|550|620', 'UNIDAD', 3, 24900, 56, 14, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 8, '01', '005', 'Segueta', '|con marco ajustable', '12"', '1', '350', 'UNIDAD', 3, 14900, 42, 12, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 9, '01', '005', 'Hoja de segueta', 'bimetálica|de acero rápido', '|x 2 und|x 10 und', '1|2|10', '25|50|250', 'UNIDAD', 3, 3900, 32, 2, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 10, '01', '006', 'Flexómetro', '|con freno|de cinta ancha', '3 m|5 m|8 m', '1|1|1', '150|250|380', 'UNIDAD', 3, 9900, 8, 7, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 11, '01', '006', 'Nivel de burbuja', 'de aluminio|torpedo|magnético', '9"|24"|36"', '1|1|1', '200|450|700', 'UNIDAD', 3, 18900, 60, 6, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 12, '01', '007', 'Pala', 'cuadrada|redonda|de punta', '|mango largo', '1|1', '1800|2100', 'UNIDAD', 3, 34900, 110, 24, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 13, '01', '007', 'Pica', '|con mango de madera', '5 lb|7 lb', '1|1', '3000|3800', 'UNIDAD', 3, 42900, 90, 40, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 14, '01', '007', 'Carretilla', 'llanta neumática|llanta maciza', '60 litros|90 litros', '1|1', '14000|17000', 'UNIDAD', 3, 219000, 140, 60, 60, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 15, '02', '001', 'Taladro percutor', '|inalámbrico 12 V|inalámbrico 20 V', '1/2" 550 W|1/2" 750 W', '1|1', '1900|2200', 'UNIDAD', 3, 189900, 30, 25, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 16, '02', '001', 'Atornillador inalámbrico', '12 V|18 V|20 V', '|con dos baterías', '1|1', '1200|1700', 'UNIDAD', 3, 169900, 25, 22, 7, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 17, '02', '002', 'Pulidora', 'angular|angular de alta potencia', '4 1/2" 820 W|7" 2200 W', '1|1', '1900|4800', 'UNIDAD', 3, 219900, 32, 12, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 18, '02', '002', 'Caladora', '|de velocidad variable', '500 W|650 W', '1|1', '1900|2200', 'UNIDAD', 3, 199900, 24, 20, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 19, '02', '003', 'Broca', 'para concreto|para metal|para madera', '1/8"|3/16"|1/4"|5/16"|3/8"|1/2"', '1|1|1|1|1|1', '10|15|25|35|50|80', 'UNIDAD', 3, 3900, 12, 2, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 20, '02', '003', 'Disco de corte', 'para metal|para concreto|diamantado', '4 1/2"|7"|9"', '1|1|1', '70|180|260', 'UNIDAD', 3, 4900, 18, 18, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 21, '02', '003', 'Extensión eléctrica', '|con polo a tierra|de uso pesado', '3 m|5 m|10 m|20 m', '1|1|1|1', '400|600|1100|2100', 'UNIDAD', 3, 14900, 15, 15, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 22, '03', '001', 'Tornillo drywall', 'punta broca|punta aguda|negro fosfatado', '6 x 1" x100|6 x 1 1/4" x100|8 x 1 1/2" x100|8 x 2" x100', '100|100|100|100', '120|150|210|280', 'UNIDAD', 3, 6900, 10, 6, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 23, '03', '001', 'Tornillo madera', 'cabeza plana|cabeza redonda|cabeza lenteja', '6 x 3/4" x50|8 x 1" x50|10 x 1 1/2" x50|12 x 2" x50', '50|50|50|50', '60|90|160|260', 'UNIDAD', 3, 5900, 10, 6, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 24, '03', '001', 'Tornillo hexagonal', 'galvanizado|grado 5|inoxidable', '1/4 x 1" x10|5/16 x 1 1/2" x10|3/8 x 2" x10|1/2 x 3" x10', '10|10|10|10', '80|140|250|600', 'UNIDAD', 3, 4900, 10, 6, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 25, '03', '002', 'Puntilla', 'con cabeza|sin cabeza|de acero para concreto', '1" x 500 g|2" x 500 g|3" x 1 kg|4" x 1 kg', '500|500|1000|1000', '500|500|1000|1000', 'UNIDAD', 3, 4900, 12, 8, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 26, '03', '003', 'Tuerca hexagonal', 'galvanizada|de seguridad|inoxidable', '1/4" x20|5/16" x20|3/8" x20|1/2" x20', '20|20|20|20', '60|90|140|300', 'UNIDAD', 3, 3900, 8, 6, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 27, '03', '003', 'Arandela', 'plana|de presión|de caucho', '1/4" x20|3/8" x20|1/2" x20', '20|20|20', '30|60|100', 'UNIDAD', 3, 2400, 8, 6, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 28, '03', '004', 'Chazo plástico', 'estriado|de expansión|para drywall', '1/4" x50|5/16" x50|3/8" x50', '50|50|50', '40|60|90', 'UNIDAD', 3, 3900, 10, 6, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 29, '03', '004', 'Chazo metálico', 'de expansión|con gancho', '1/4" x10|3/8" x10|1/2" x10', '10|10|10', '120|250|450', 'UNIDAD', 3, 8900, 10, 6, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 30, '03', '005', 'Silicona', 'transparente|blanca|para baños antihongos|de alta temperatura', '85 ml|280 ml', '85|280', '100|320', 'UNIDAD', 3, 9900, 23, 5, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 31, '03', '005', 'Pegante', 'de contacto|para PVC|epóxico|blanco para madera|instantáneo', '25 ml|1/32 galón|1/16 galón|1/4 galón', '25|118|236|946', '35|140|270|1050', 'UNIDAD', 3, 6900, 8, 8, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 32, '04', '001', 'Cable eléctrico', 'THHN 14 AWG|THHN 12 AWG|THHN 10 AWG|encauchetado 2x14|encauchetado 3x12|dúplex 2x16', 'x metro|rollo 100 m', '1|100', '30|3000', 'METRO', 3, 1900, 100, 1, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 33, '04', '002', 'Bombillo LED', 'luz blanca|luz cálida|de alta potencia', '9 W|12 W|20 W|40 W', '1|1|1|1', '45|55|90|200', 'UNIDAD', 3, 5900, 6, 6, 11, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 34, '04', '002', 'Panel LED', 'redondo|cuadrado|de sobreponer', '12 W|18 W|24 W', '1|1|1', '250|380|520', 'UNIDAD', 3, 19900, 22, 22, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 35, '04', '003', 'Toma doble', 'con polo a tierra|con protección GFCI|de incrustar', 'blanco|marfil', '1|1', '90|90', 'UNIDAD', 3, 6900, 12, 7, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 36, '04', '003', 'Interruptor', 'sencillo|doble|conmutable|triple', 'blanco|marfil', '1|1', '80|80', 'UNIDAD', 3, 5400, 12, 7, 4, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 37, '04', '003', 'Breaker', 'monopolar|bipolar', '15 A|20 A|30 A|50 A', '1|1|1|1', '120|120|130|200', 'UNIDAD', 3, 17900, 9, 8, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 38, '04', '004', 'Cinta aislante', 'negra|roja|azul|verde|blanca', '10 m|20 m', '10|20', '30|55', 'UNIDAD', 3, 2900, 5, 5, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 39, '04', '004', 'Cinta de enmascarar', '|alta adherencia', '1/2" x 40 m|1" x 40 m|2" x 40 m', '40|40|40', '80|150|300', 'UNIDAD', 3, 3400, 10, 10, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 40, '05', '001', 'Tubo PVC', 'presión RDE 21|sanitario|conduit eléctrico', '1/2" x 3 m|3/4" x 3 m|1" x 3 m|2" x 3 m|4" x 3 m', '1|1|1|1|1', '700|1000|1400|2600|5200', 'UNIDAD', 3, 12900, 300, 3, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 41, '05', '002', 'Codo PVC', 'de 90°|de 45°', '1/2"|3/4"|1"|2"|4"', '1|1|1|1|1', '20|30|45|120|380', 'UNIDAD', 3, 900, 5, 5, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 42, '05', '002', 'Unión PVC', 'de presión|sanitaria|universal', '1/2"|3/4"|1"|2"', '1|1|1|1', '15|25|35|90', 'UNIDAD', 3, 800, 5, 3, 3, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 43, '05', '002', 'Registro de bola', 'PVC|de bronce|de cortina', '1/2"|3/4"|1"', '1|1|1', '150|220|350', 'UNIDAD', 3, 9900, 9, 6, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 44, '05', '003', 'Grifería', 'para lavamanos|para lavaplatos|para ducha|para lavadero', 'sencilla|mezcladora', '1|1', '600|1200', 'UNIDAD', 3, 39900, 25, 18, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 45, '05', '003', 'Llave de jardín', 'de bronce|plástica|con acople rápido', '1/2"|3/4"', '1|1', '200|280', 'UNIDAD', 3, 11900, 12, 6, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 46, '05', '004', 'Manguera', 'de jardín|reforzada|plana', '1/2" x 15 m|1/2" x 25 m|3/4" x 25 m', '15|25|25', '1800|3000|4200', 'UNIDAD', 3, 39900, 35, 35, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 47, '05', '004', 'Cinta teflón', '|de alta densidad', '1/2" x 10 m|3/4" x 10 m', '10|10', '15|20', 'UNIDAD', 3, 1200, 5, 5, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 48, '06', '001', 'Pintura vinilo', 'blanco|blanco hueso|marfil|gris perla|azul cielo|verde menta|amarillo pollito|rojo teja', '1/4 galón|1 galón|5 galones', '1|1|1', '1200|4700|23500', 'UNIDAD', 3, 21900, 12, 12, 14, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 49, '06', '001', 'Esmalte', 'blanco|negro|rojo|azul|verde|gris|café', '1/8 galón|1/4 galón|1 galón', '1|1|1', '600|1200|4700', 'UNIDAD', 3, 18900, 9, 9, 10, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 50, '06', '001', 'Anticorrosivo', 'gris|rojo|negro|blanco', '1/4 galón|1 galón', '1|1', '1300|5000', 'UNIDAD', 3, 24900, 12, 12, 14, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 51, '06', '001', 'Laca', 'transparente brillante|transparente mate|caoba|nogal', '1/4 galón|1 galón', '1|1', '1100|4300', 'UNIDAD', 3, 26900, 12, 12, 14, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 52, '06', '002', 'Brocha', 'de cerda natural|de cerda sintética|económica', '1"|2"|3"|4"', '1|1|1|1', '40|70|110|150', 'UNIDAD', 3, 3900, 25, 6, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 53, '06', '002', 'Rodillo', 'de felpa|de espuma|antigota', '4"|9"', '1|1', '150|350', 'UNIDAD', 3, 9900, 30, 24, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 54, '06', '003', 'Lija', 'para agua|para madera|para metal', 'grano 80|grano 120|grano 220|grano 400|grano 600', '1|1|1|1|1', '15|15|15|15|15', 'UNIDAD', 3, 1500, 28, 23, 1, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 55, '06', '004', 'Thinner', 'corriente|extrafino', '1/4 galón|1 galón|5 galones', '1|1|1', '800|3100|15500', 'UNIDAD', 3, 9900, 12, 12, 16, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 56, '06', '004', 'Removedor de pintura', '|gel', '1/4 galón|1 galón', '1|1', '1000|3900', 'UNIDAD', 3, 19900, 12, 12, 16, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 57, '07', '001', 'Cemento gris', 'de uso general|estructural', '25 kg|50 kg', '25|50', '25000|50000', 'UNIDAD', 3, 19900, 60, 40, 12, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 58, '07', '001', 'Cemento blanco', '|para enchape', '1 kg|5 kg|25 kg', '1|5|25', '1000|5000|25000', 'UNIDAD', 3, 3900, 25, 15, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 59, '07', '002', 'Arena', 'de pega|lavada|de peña', 'bulto 40 kg', '40', '40000', 'UNIDAD', 3, 8900, 60, 40, 12, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 60, '07', '003', 'Estuco', 'plástico|en polvo|para exteriores', '1 galón|5 kg|25 kg', '1|5|25', '5500|5000|25000', 'UNIDAD', 3, 14900, 25, 15, 6, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 61, '07', '003', 'Pegante para cerámica', '|blanco|para porcelanato|para piscinas', '5 kg|25 kg', '5|25', '5000|25000', 'UNIDAD', 3, 9900, 40, 25, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 62, '07', '003', 'Boquilla', 'blanca|gris|beige|negra|café', '1 kg|2 kg|5 kg', '1|2|5', '1000|2000|5000', 'UNIDAD', 3, 4900, 20, 12, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 63, '07', '004', 'Malla electrosoldada', 'negra|galvanizada', '2,35x6 m|2,35x2,35 m', '1|1', '18000|7000', 'UNIDAD', 3, 89900, 600, 235, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 64, '07', '004', 'Varilla corrugada', '|grado 60', '3/8" x 6 m|1/2" x 6 m|5/8" x 6 m', '1|1|1', '3400|6000|9300', 'UNIDAD', 3, 18900, 600, 2, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 65, '08', '001', 'Candado', 'de latón|de acero laminado|de combinación|de arco largo', '30 mm|40 mm|50 mm|60 mm', '1|1|1|1', '120|220|350|500', 'UNIDAD', 3, 14900, 8, 5, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 66, '08', '002', 'Cerradura', 'de pomo|de sobreponer|de seguridad|para baño', '|con llave de seguridad', '1|1', '700|900', 'UNIDAD', 3, 39900, 16, 12, 8, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 67, '08', '002', 'Bisagra', 'de cobre|de acero|de cazoleta|de vaivén', '2" par|3" par|4" par', '1|1|1', '60|120|200', 'UNIDAD', 3, 3900, 10, 6, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 68, '08', '003', 'Guantes', 'de carnaza|de nitrilo|de vaqueta|anticorte', 'talla M|talla L|talla XL', '1|1|1', '150|170|190', 'UNIDAD', 3, 7900, 26, 13, 2, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 69, '08', '003', 'Gafas de seguridad', 'transparentes|oscuras|antiempañantes', '', '1', '40', 'UNIDAD', 3, 6900, 16, 6, 5, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 70, '08', '003', 'Casco de seguridad', 'blanco|amarillo|azul|rojo', '|con barbuquejo', '1|1', '380|420', 'UNIDAD', 3, 24900, 30, 22, 15, 'A', 'S', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 71, '08', '004', 'Copia de llave', 'sencilla|de seguridad|de carro', '', '1', '10', 'UNIDAD', 3, 4000, 6, 2, 1, 'S', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 72, '08', '004', 'Corte de lámina', 'de madera|de triplex|de MDF', 'por corte', '1', '0', 'UNIDAD', 3, 2000, 1, 1, 1, 'S', 'N', 'N');
INSERT INTO DEMO_PRODUCTO VALUES ('F', 73, '08', '004', 'Mezcla de pintura', 'vinilo|esmalte', '1/4 galón|1 galón', '1|1', '0|0', 'UNIDAD', 3, 5000, 1, 1, 1, 'S', 'N', 'N');

INSERT INTO GRUPO (GRUP_COD, GRUP_NOM)
  SELECT GRUP_COD, GRUP_NOM FROM DEMO_GRUPO
  WHERE TIPO = COALESCE(LEFT(RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO'), 1), 'S');
INSERT INTO SUBGRUPO (GRUP_COD, SUBG_COD, SUBG_NOM)
  SELECT GRUP_COD, SUBG_COD, SUBG_NOM FROM DEMO_SUBGRUPO
  WHERE TIPO = COALESCE(LEFT(RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO'), 1), 'S');

-- The articles: one round gives every product one article, the next round the
-- next combination of brand, size, variant and (for packaged groceries) pack,
-- so the first articles cover the whole shop and no two descriptions repeat
-- until every combination is used. Bar codes are EAN-13 under the Colombian
-- prefix 770; every article has a price in each of the four lists; the first
-- ones get an opening stock.
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE FUNCTION CUENTA (LISTA VARCHAR(400)) RETURNS INTEGER AS
    DECLARE VARIABLE N INTEGER = 1;
    DECLARE VARIABLE P INTEGER = 0;
  BEGIN
    P = POSITION('|', LISTA);
    WHILE (P > 0) DO
    BEGIN
      N = N + 1;
      P = POSITION('|', LISTA, P + 1);
    END
    RETURN N;
  END
  DECLARE FUNCTION PARTE (LISTA VARCHAR(400), K INTEGER) RETURNS VARCHAR(100) AS
    DECLARE VARIABLE DESDE INTEGER = 1;
    DECLARE VARIABLE HASTA INTEGER;
  BEGIN
    WHILE (K > 0) DO
    BEGIN
      DESDE = POSITION('|', LISTA, DESDE) + 1;
      K = K - 1;
    END
    HASTA = POSITION('|', LISTA, DESDE);
    IF (HASTA = 0) THEN HASTA = CHAR_LENGTH(LISTA) + 1;
    RETURN SUBSTRING(LISTA FROM DESDE FOR HASTA - DESDE);
  END
  DECLARE VARIABLE TIPO CHAR(1);
  DECLARE VARIABLE N INTEGER;
  DECLARE VARIABLE I INTEGER = 1;
  DECLARE VARIABLE RONDA INTEGER = 0;
  DECLARE VARIABLE MAS INTEGER;
  DECLARE VARIABLE K INTEGER;
  DECLARE VARIABLE NM INTEGER;
  DECLARE VARIABLE MARCA VARCHAR(30);
  DECLARE VARIABLE GRP VARCHAR(2);
  DECLARE VARIABLE SUB VARCHAR(3);
  DECLARE VARIABLE NOMBRE VARCHAR(40);
  DECLARE VARIABLE VARIANTES VARCHAR(400);
  DECLARE VARIABLE TAMANOS VARCHAR(400);
  DECLARE VARIABLE NETOS VARCHAR(200);
  DECLARE VARIABLE PESOS VARCHAR(200);
  DECLARE VARIABLE UNI VARCHAR(8);
  DECLARE VARIABLE IVA INTEGER;
  DECLARE VARIABLE BASE NUMERIC(15,2);
  DECLARE VARIABLE LARGO NUMERIC(9,1);
  DECLARE VARIABLE ANCHO NUMERIC(9,1);
  DECLARE VARIABLE ALTO NUMERIC(9,1);
  DECLARE VARIABLE ATIPO CHAR(1);
  DECLARE VARIABLE EXISTE CHAR(1);
  DECLARE VARIABLE LOTE CHAR(1);
  DECLARE VARIABLE NMARCAS INTEGER;
  DECLARE VARIABLE NTAM INTEGER;
  DECLARE VARIABLE NVAR INTEGER;
  DECLARE VARIABLE NPAQ INTEGER;
  DECLARE VARIABLE IB INTEGER;
  DECLARE VARIABLE IT INTEGER;
  DECLARE VARIABLE IV INTEGER;
  DECLARE VARIABLE IP INTEGER;
  DECLARE VARIABLE PAQUETE INTEGER;
  DECLARE VARIABLE MARCAS VARCHAR(400);
  DECLARE VARIABLE MAR VARCHAR(3);
  DECLARE VARIABLE VARIANTE VARCHAR(60);
  DECLARE VARIABLE TAMANO VARCHAR(60);
  DECLARE VARIABLE DES VARCHAR(200);
  DECLARE VARIABLE NETO DOUBLE PRECISION;
  DECLARE VARIABLE PESO DOUBLE PRECISION;
  DECLARE VARIABLE PESO0 DOUBLE PRECISION;
  DECLARE VARIABLE ESCALA DOUBLE PRECISION;
  DECLARE VARIABLE FACTOR DOUBLE PRECISION;
  DECLARE VARIABLE COD VARCHAR(15);
  DECLARE VARIABLE PRECIO NUMERIC(15,2);
  DECLARE VARIABLE EAN VARCHAR(13);
  DECLARE VARIABLE EANBASE VARCHAR(12);
  DECLARE VARIABLE SUMA INTEGER;
  DECLARE VARIABLE J INTEGER;
BEGIN
  TIPO = COALESCE(LEFT(RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO'), 1), 'S');
  N = COALESCE(CAST(RDB$GET_CONTEXT('USER_SESSION', 'DEMO_ARTICULOS') AS INTEGER), 300);

  -- One brand row per name, whatever groups share it.
  NM = 0;
  FOR SELECT MARCAS FROM DEMO_MARCA WHERE TIPO = :TIPO ORDER BY GRUP_COD INTO :MARCAS DO
  BEGIN
    K = 0;
    WHILE (K < CUENTA(MARCAS)) DO
    BEGIN
      MARCA = PARTE(MARCAS, K);
      IF (NOT EXISTS (SELECT 1 FROM MARCAS WHERE MARC_NOM = :MARCA)) THEN
      BEGIN
        NM = NM + 1;
        INSERT INTO MARCAS (MARC_COD, MARC_NOM) VALUES (LPAD(:NM, 3, '0'), :MARCA);
      END
      K = K + 1;
    END
  END

  WHILE (I <= N) DO
  BEGIN
    MAS = 0;
    FOR SELECT P.GRUP_COD, P.SUBG_COD, P.NOMBRE, P.VARIANTES, P.TAMANOS, P.NETOS, P.PESOS, P.UNIDAD, P.IVA,
               P.PRECIO, P.LARGO, P.ANCHO, P.ALTO, P.ARTI_TIPO, P.EXISTE, P.LOTE, M.MARCAS
          FROM DEMO_PRODUCTO P JOIN DEMO_MARCA M ON M.TIPO = P.TIPO AND M.GRUP_COD = P.GRUP_COD
          WHERE P.TIPO = :TIPO ORDER BY P.ORDEN
        INTO :GRP, :SUB, :NOMBRE, :VARIANTES, :TAMANOS, :NETOS, :PESOS, :UNI, :IVA,
             :BASE, :LARGO, :ANCHO, :ALTO, :ATIPO, :EXISTE, :LOTE, :MARCAS DO
    BEGIN
      -- Services carry no brand; packaged groceries also come in packs.
      NMARCAS = IIF(ATIPO = 'S', 1, CUENTA(MARCAS));
      NTAM = CUENTA(TAMANOS);
      NVAR = CUENTA(VARIANTES);
      NPAQ = IIF(TIPO = 'S' AND UNI = 'UNIDAD' AND EXISTE = 'S' AND GRP <> '09', 4, 1);
      IF (I <= N AND (RONDA < NMARCAS * NTAM * NVAR * NPAQ OR RONDA >= 100000)) THEN
      BEGIN
        MAS = 1;
        K = MOD(RONDA, NMARCAS * NTAM * NVAR * NPAQ);
        IB = MOD(K, NMARCAS);
        IT = MOD(K / NMARCAS, NTAM);
        IV = MOD(K / (NMARCAS * NTAM), NVAR);
        IP = K / (NMARCAS * NTAM * NVAR);
        PAQUETE = DECODE(IP, 0, 1, 1, 3, 2, 6, 12);
        MARCA = IIF(ATIPO = 'S', '', PARTE(MARCAS, IB));
        MAR = NULL;
        SELECT MARC_COD FROM MARCAS WHERE MARC_NOM = :MARCA INTO :MAR;
        VARIANTE = PARTE(VARIANTES, IV);
        TAMANO = PARTE(TAMANOS, IT);
        DES = TRIM(NOMBRE || IIF(VARIANTE = '', '', ' ' || VARIANTE) || IIF(MARCA = '', '', ' ' || MARCA)
                   || IIF(TAMANO = '', '', ' ' || TAMANO) || IIF(PAQUETE = 1, '', ' x ' || PAQUETE));
        NETO = CAST(PARTE(NETOS, IT) AS DOUBLE PRECISION) * PAQUETE;
        PESO = CAST(PARTE(PESOS, IT) AS DOUBLE PRECISION) * PAQUETE;
        PESO0 = CAST(PARTE(PESOS, 0) AS DOUBLE PRECISION);
        ESCALA = IIF(PESO0 > 0 AND PESO > 0, PESO / PESO0, 1);
        -- Bigger sizes and packs cost less for each gram; the shop's own brand is the cheapest.
        FACTOR = POWER(ESCALA, 0.9) * IIF(TIPO = 'S' AND IB = NMARCAS - 1, 0.85, 0.9 + 0.03 * IB) * (1 + 0.03 * IV);
        PRECIO = MAXVALUE(50, ROUND(BASE * FACTOR / 50, 0) * 50);
        COD = LPAD(I, 6, '0');

        -- EAN-13: 770, nine digits of the article number, then the check digit
        EANBASE = '770' || LPAD(I, 9, '0');
        SUMA = 0;
        J = 1;
        WHILE (J <= 12) DO
        BEGIN
          SUMA = SUMA + CAST(SUBSTRING(EANBASE FROM J FOR 1) AS INTEGER) * IIF(MOD(J, 2) = 0, 3, 1);
          J = J + 1;
        END
        EAN = EANBASE || MOD(10 - MOD(SUMA, 10), 10);

        INSERT INTO ARTICULO (ARTI_COD, ARTI_DES, ARTI_DESVAR, ARTI_TIPO, ARTI_EXIST, ARTI_UNIDAD, GRUP_COD,
            SUBG_COD, MARC_COD, ARTI_FECHA, ARTI_PRECIO, ARTI_CONSUMO, ARTI_IMPOTRO, ARTI_PESO, ARTI_ANCHO,
            ARTI_ALTO, ARTI_LARGO, ARTI_OBS, ARTI_MAX, ARTI_MIN, ARTI_DIAS, ESAR_COD, ARTI_USUARIO, TAIV_COD,
            ARTI_LOTE, ARTI_PUM)
          VALUES (:COD, LEFT(:DES, 60), 'N', :ATIPO, :EXISTE, :UNI, :GRP, :SUB, :MAR,
            DATEADD(-MOD(:I, 700) DAY TO DATE '2025-06-30'), :PRECIO,
            IIF(:TIPO = 'S' AND :GRP = '03', 80, 0), 0, ROUND(:PESO, 0),
            ROUND(:ANCHO * POWER(:ESCALA, 1.0 / 3), 1), ROUND(:ALTO * POWER(:ESCALA, 1.0 / 3), 1),
            ROUND(:LARGO * POWER(:ESCALA, 1.0 / 3), 1),
            CASE WHEN :LOTE = 'L' THEN 'Manténgase refrigerado.'
                 WHEN MOD(:I, 5) <> 0 THEN NULL
                 WHEN :TIPO = 'F' THEN 'Garantía de seis meses por defectos de fábrica.'
                 ELSE 'Consérvese en lugar fresco y seco. Producto colombiano.' END,
            200, IIF(MOD(:I, 4) = 0, 12, 0), 30, 'A', 'ADMIN', :IVA, :LOTE,
            IIF(:NETO > 0, ROUND(:PRECIO / :NETO, 2), :PRECIO));
        INSERT INTO BARRAS_ARTICULO (COBA_COD, ARTI_COD, UNIDAD) VALUES (:EAN, :COD, :UNI);
        INSERT INTO ARTICULO_UNIDAD (ARTI_COD, UNIDAD, FACCAN, FACPRE) VALUES (:COD, :UNI, 1, 1);
        IF (MOD(I, 10) = 0) THEN
        BEGIN
          INSERT INTO ARTICULO_UNIDAD (ARTI_COD, UNIDAD, FACCAN, FACPRE) VALUES (:COD, 'CAJA', 12, 11.5);
          INSERT INTO BARRAS_ARTICULO (COBA_COD, ARTI_COD, UNIDAD) VALUES ('1' || :EAN, :COD, 'CAJA');
        END
        INSERT INTO PRECIOS_ARTICULO (ARTI_COD, LIPR_COD, PRAR_FIJO, PRAR_CONSUMO, PRAR_CANTMIN) VALUES (:COD, 1, :PRECIO, 0, 0);
        INSERT INTO PRECIOS_ARTICULO (ARTI_COD, LIPR_COD, PRAR_FIJO, PRAR_CONSUMO, PRAR_CANTMIN) VALUES (:COD, 2, ROUND(:PRECIO * 0.88, -1), 0, 6);
        INSERT INTO PRECIOS_ARTICULO (ARTI_COD, LIPR_COD, PRAR_FIJO) VALUES (:COD, 3, ROUND(:PRECIO * 0.90, -1));
        INSERT INTO PRECIOS_ARTICULO (ARTI_COD, LIPR_COD, PRAR_FIJO) VALUES (:COD, 4, ROUND(:PRECIO * 0.95, -1));
        IF (I <= 2000 AND ATIPO = 'A') THEN
        BEGIN
          INSERT INTO MOVIMIENTO_ARTICULO (MOAR_ID, ARTI_COD, BODE_COD, MOAR_FECHA, MOAR_CANT, MOAR_COSTO, LOTE_COD, TIDO_COD, MOAR_IDDOC)
            VALUES (GEN_ID(GEN_MOVIMIENTO_ARTICULO, 1), :COD, '01', '2025/01/02', 24 + MOD(:I, 100),
                    ROUND(:PRECIO * 0.7, 0), IIF(:LOTE = 'L', 'L' || :COD || 'A', NULL), 11, 0);
          IF (LOTE = 'L') THEN
            INSERT INTO LOTES VALUES (:COD, 'L' || :COD || 'A', DATEADD(60 DAY TO DATE '2025-01-02'));
        END
        I = I + 1;
      END
    END
    -- Every combination used: the catalogue starts over rather than leave articles out.
    IF (MAS = 0) THEN RONDA = 100000;
    ELSE RONDA = RONDA + 1;
  END
END^
SET TERM ; ^

DROP TABLE DEMO_PRODUCTO;
DROP TABLE DEMO_MARCA;
DROP TABLE DEMO_SUBGRUPO;
DROP TABLE DEMO_GRUPO;

INSERT INTO ARTICULO_ALERTAS VALUES (1, '000001', '2025/01/01', '2030/12/31', 'Promoción: lleve 3 y pague 2');
INSERT INTO STANDS VALUES ('A-01', '000001', '01');

-- Third parties: clients, suppliers and a driver.
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TIID_COD, TERC_NOM, TERC_DIR, TERC_TEL, CIUD_COD, TERC_CLIE, TERC_PROV, TERC_ESTADO)
  VALUES ('222222222222', 7, 'C', 'Consumidor final', 'Bogotá', '', '11001', 'S', 'N', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TIID_COD, TERC_NOM, TERC_DIR, TERC_TEL, CIUD_COD, TERC_CLIE, TERC_PROV, TERC_ESTADO)
  VALUES ('52345678', 1, 'C', 'Ana María Rodríguez', 'Calle 45 # 12-30', '310 555 1234', '11001', 'S', 'N', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TIID_COD, TERC_NOM, TERC_DIR, TERC_TEL, CIUD_COD, TERC_CLIE, TERC_PROV, TERC_ESTADO)
  VALUES ('900555111', 6, 'N', 'Restaurante El Fogón S.A.S.', 'Avenida 68 # 22-10', '601 444 5566', '11001', 'S', 'N', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TIID_COD, TERC_NOM, TERC_DIR, TERC_TEL, CIUD_COD, TERC_CLIE, TERC_PROV, TERC_ESTADO)
  VALUES ('860001234', 3, 'N', 'Distribuidora Andina de Alimentos S.A.', 'Zona Industrial Montevideo', '601 411 2000', '11001', 'N', 'S', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TIID_COD, TERC_NOM, TERC_DIR, TERC_TEL, CIUD_COD, TERC_CLIE, TERC_PROV, TERC_ESTADO)
  VALUES ('79888777', 4, 'C', 'Hernando Quintero (régimen simplificado)', 'Plaza de Paloquemao local 12', '315 222 3344', '11001', 'N', 'S', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TIID_COD, TERC_NOM, TERC_DIR, TERC_TEL, CIUD_COD, TERC_CLIE, TERC_PROV, TERC_CONDUCTOR, TERC_ESTADO)
  VALUES ('1020304050', 0, 'C', 'Jairo Méndez (conductor)', 'Soacha', '320 111 2233', '11001', 'N', 'N', 'S', 'S');
INSERT INTO CLIENTES (TERC_NIT, VEND_COD, COBR_COD, ZONA_COD, CLIE_ESTADO, CLIE_CUPO, LIPR_COD) VALUES ('222222222222', 1, 1, 1, 'A', 0, 1);
INSERT INTO CLIENTES (TERC_NIT, VEND_COD, COBR_COD, ZONA_COD, CLIE_ESTADO, CLIE_CUPO, LIPR_COD) VALUES ('52345678', 1, 1, 1, 'A', 2000000, 1);
INSERT INTO CLIENTES (TERC_NIT, VEND_COD, COBR_COD, ZONA_COD, CLIE_ESTADO, CLIE_RTEFTE, CLIE_RTEIVA, CLIE_RTEICA, CLIE_RTFTEBASE, CLIE_DTOMAX, CLIE_CUPO, LIPR_COD)
  VALUES ('900555111', 2, 2, 2, 'A', 2.5, 15, 0.966, 1145000, 5, 15000000, 2);
INSERT INTO PROVEEDORES (TERC_NIT, PROV_RETEFTE, PROV_RTEIVA, PROV_RTEICA, PROV_RTFTEBASE, PROV_SIMPLIFICADO)
  VALUES ('860001234', 2.5, 0, 0.414, 1145000, 'N');
INSERT INTO PROVEEDORES (TERC_NIT, PROV_RETEFTE, PROV_RTEIVA, PROV_RTEICA, PROV_RTFTEBASE, PROV_SIMPLIFICADO)
  VALUES ('79888777', 2.5, 0, 0, 1145000, 'S');
INSERT INTO COSTO_PROVEEDOR_ARTICULO VALUES ('860001234', '000001', '2025/01/02', 1800);

-- The company's chart of accounts, from the commercial chart.
INSERT INTO CUENTAS (CUEN_COD, CUEN_NOM, CUEN_TERCERO, CUEN_RETENCION, CUEN_TIPO)
  SELECT PUC_COD, PUC_NOM, PUC_TERC, PUC_RETEN, 'N' FROM PUC WHERE TIPU_COD = 1;
UPDATE CUENTAS SET CUEN_TIPO = 'I' WHERE CUEN_COD STARTING WITH '1435';
UPDATE CUENTAS SET CUEN_TIPO = 'C' WHERE CUEN_COD STARTING WITH '1305';

-- Default prefixes of the documents the station issues, and the bank numbering.
INSERT INTO PREFIJOS (TIDO_COD, PREF_PRE, PREF_AUTO, PREF_ACTUAL, PREF_IVAINC, PREF_ACTIVO) VALUES (31, '0000', 'S', '000001', 'S', 'S');
INSERT INTO PREFIJOS (TIDO_COD, PREF_PRE, PREF_AUTO, PREF_ACTUAL, PREF_IVAINC, PREF_ACTIVO) VALUES (61, '0000', 'S', '000001', 'N', 'S');
INSERT INTO PREFIJOS (TIDO_COD, PREF_PRE, PREF_AUTO, PREF_ACTUAL, PREF_IVAINC, PREF_ACTIVO) VALUES (11, '0000', 'S', '000001', 'N', 'S');
INSERT INTO PREFIJOS_BANCOS VALUES (71, 1, '0000', 'S', '000001');
INSERT INTO PREFIJOS_BANCOS VALUES (72, 1, '0000', 'S', '000001');
INSERT INTO PREFIJOS_CONTA (TICO_COD, PRCO_PREF, PREF_NUMERO) VALUES (1, '0000', '000001');

-- Accounting interfaces: a cash sale and a cash receipt.
INSERT INTO INTERFAZ_VENTAS VALUES (1, 'Venta de contado', 31, '0000');
INSERT INTO INTERFAZ_VENTAS_CTAS VALUES (1, 1, '110505', 'TOTAL', 'D');
INSERT INTO INTERFAZ_VENTAS_CTAS VALUES (1, 2, '413505', 'SUBTOTAL', 'C');
INSERT INTO INTERFAZ_VENTAS_CTAS VALUES (1, 3, '240805', 'IVA', 'C');
INSERT INTO INTERFAZ_VENTAS VALUES (2, 'Venta a crédito', 31, '0000');
INSERT INTO INTERFAZ_VENTAS_CTAS VALUES (2, 1, '130505', 'TOTAL', 'D');
INSERT INTO INTERFAZ_VENTAS_CTAS VALUES (2, 2, '413505', 'SUBTOTAL', 'C');
INSERT INTO INTERFAZ_VENTAS_CTAS VALUES (2, 3, '240805', 'IVA', 'C');
INSERT INTO INTERFAZ_CAJA VALUES (1, 'Recibo de caja a clientes', 61, '0000');
INSERT INTO INTERFAZ_CAJA_CTAS VALUES (1, 1, '110505', 'TOTAL', 'D');
INSERT INTO INTERFAZ_CAJA_CTAS VALUES (1, 2, '130505', 'TOTAL', 'C');
INSERT INTO INTERFAZ_INVENTARIO VALUES (1, 'Compra de mercancía', 11, '0000');
INSERT INTO INTERFAZ_INVENTARIO_CTAS VALUES (1, 1, '143505', 'SUBTOTAL', 'D');
INSERT INTO INTERFAZ_INVENTARIO_CTAS VALUES (1, 2, '220505', 'SUBTOTAL', 'C');
SET GENERATOR GEN_INTERFAZ_VENTAS TO 2;
SET GENERATOR GEN_INTERFAZ_CAJA TO 1;
SET GENERATOR GEN_INTERFAZ_INVENTARIO TO 1;

-- An opening sale on credit to a client, with its receivable.
INSERT INTO FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, BODE_COD, SUCU_ID, FACT_VENCE,
    FACT_SUBTOTAL, FACT_IVA, FACT_TOTAL, FACT_USUARIO, PTVT_ID, LIPR_COD, VEND_COD)
  VALUES (1, '0000', '000001', '2025/01/10', '52345678', '01', 1, '2025/02/09', 100000, 19000, 119000, 'ADMIN', 1, 1, 1);
INSERT INTO FACTURAS_DETALLE (FACT_ID, FADE_ITEM, ARTI_COD, BODE_COD, FADE_UNIDAD, FADE_CANT, FADE_PRECIO, FADE_IVA, FADE_VALOR)
  SELECT 1, 1, ARTI_COD, '01', ARTI_UNIDAD, 1, 100000, 19, 100000 FROM ARTICULO WHERE ARTI_COD = '000001';
INSERT INTO MOVIMIENTO_CLIENTES (MVCL_ID, TERC_NIT, MVCL_TIPOREF, MVCL_IDREF, MVCL_TIPODOC, MVCL_IDDOC, MVCL_FECHA, MVCL_VENCE, MVCL_VALOR, MVCL_SUCURSAL)
  VALUES (GEN_ID(GEN_MOVIMIENTO_CLIENTES, 1), '52345678', 31, 1, 31, 1, '2025/01/10', '2025/02/09', 119000, 'Principal');
UPDATE PREFIJOS SET PREF_ACTUAL = '000002' WHERE TIDO_COD = 31 AND PREF_PRE = '0000';
SET GENERATOR GEN_FACTURAS TO 1;
INSERT INTO MOVIMIENTO_CAJA (MOCA_ID, CAJA_ID, MOCA_FECHA, FOPA_ID, MOCA_VALOR, TIDO_COD, MOCA_IDDOC)
  VALUES (GEN_ID(GEN_MOVIMIENTO_CAJA, 1), 1, '2025/01/02', 1, 500000, 61, 0);

-- The hardware store: in Medellín, with hardware suppliers and builders among its clients.
UPDATE SUCURSALES SET SUCU_DIRECCION = IIF(SUCU_ID = 1, 'Calle 10 # 5-33', 'Carrera 50 # 40-12, Bello'),
    SUCU_TELEFONOS = IIF(SUCU_ID = 1, '604 222 1133', '604 455 7788')
  WHERE RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO') = 'FERRETERIA';
UPDATE TERCEROS SET CIUD_COD = '05001', TERC_DIR = IIF(TERC_NIT = '222222222222', 'Medellín', TERC_DIR),
    TERC_NOM = DECODE(TERC_NIT, '900555111', 'Constructora El Fogón S.A.S.',
      '860001234', 'Distribuidora Andina de Herramientas S.A.', '79888777', 'Hernando Quintero (ferretero, régimen simplificado)', TERC_NOM)
  WHERE RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO') = 'FERRETERIA';
UPDATE TERCEROS SET TERC_DIR = 'Pasaje ferretero Guayaquil local 12' WHERE TERC_NIT = '79888777'
  AND RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO') = 'FERRETERIA';
UPDATE TERCEROS SET TERC_DIR = 'Zona industrial de Itagüí' WHERE TERC_NIT = '860001234'
  AND RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO') = 'FERRETERIA';
UPDATE ARTICULO_ALERTAS SET ARAL_MENSAJE = 'Promoción: 10 % de descuento pagando en efectivo'
  WHERE RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO') = 'FERRETERIA';
UPDATE COSTO_PROVEEDOR_ARTICULO SET COPA_COSTO = 12500
  WHERE RDB$GET_CONTEXT('USER_SESSION', 'DEMO_TIPO') = 'FERRETERIA';
