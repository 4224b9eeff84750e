-- Demo companies and users of the general database.
-- The embedded engine checks no password; through a server, ADMIN and CAJERO log in
-- with the passwords their server gives them (scripts/server-mode.sh on a shop's
-- server, scripts/services/firebird.sh for the tests).
INSERT INTO COMPANIA (COMP_COD, COM_NOMBRE, COMP_NIT, COMP_DIR, COMP_TELS, COMP_ENCABEZADO)
  VALUES ('001', 'Supermercado La Economía', '900123456-1', 'Carrera 7 # 45-12, Bogotá', '601 345 6789', 'Régimen común - Grandes contribuyentes no');
INSERT INTO COMPANIA (COMP_COD, COM_NOMBRE, COMP_NIT, COMP_DIR, COMP_TELS, COMP_ENCABEZADO)
  VALUES ('002', 'Ferretería El Tornillo Feliz', '800987654-3', 'Calle 10 # 5-33, Medellín', '604 222 1133', 'Régimen común');

INSERT INTO USUARIO (USUA_COD, USUA_NOMBRE, USUA_ADMIN) VALUES ('ADMIN', 'Administradora del sistema', 'S');
INSERT INTO USUARIO (USUA_COD, USUA_NOMBRE, USUA_ADMIN) VALUES ('CAJERO', 'Juan Pérez Cajero', 'N');
INSERT INTO USUARIO (USUA_COD, USUA_NOMBRE, USUA_ADMIN) VALUES ('SYSDBA', 'Administrador del servidor', 'S');

INSERT INTO USUARIO_COMPANIA VALUES ('ADMIN', '001');
INSERT INTO USUARIO_COMPANIA VALUES ('ADMIN', '002');
INSERT INTO USUARIO_COMPANIA VALUES ('CAJERO', '001');
INSERT INTO USUARIO_COMPANIA VALUES ('CAJERO', '002');
