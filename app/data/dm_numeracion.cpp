// Tfdm: document numbering, dates, rights and the small look-ups the documents share.
#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "app/data/tiposdocumento.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"

namespace tv::app {

namespace {

std::string Complete(const std::string& numero, int ancho) {
    int falta = ancho - Length(numero);
    return falta > 0 ? std::string(falta, '0') + numero : numero;
}

// Opens `q` with `sql`; true when a row came back.
bool AbraConsulta(TSQLQuery* q, const std::string& sql) {
    q->Close();
    q->SQL().SetText(sql);
    q->Open();
    return !q->IsEmpty();
}

// The query of num_documento and numero_documento: prefix and number of a
// document by id; empty for types these services do not know.
std::string ConsultaNumero(int tipo, int id, bool con_recibos) {
    if (tipo == 77)
        return "select prba_pref, dvch_numdoc from devolucion_cheques where dvch_id = " + IntToStr(id);
    bool conocido = (tipo >= 21 && tipo <= 25) || (tipo >= 31 && tipo <= 35) || tipo == 41 || tipo == 42 ||
                    tipo == 45 || tipo == 51 || tipo == 52 || tipo == 55 || (tipo == 61 && con_recibos);
    const TTipoDocumento* t = conocido ? tipo_documento(tipo) : nullptr;
    if (!t) return {};
    std::string p = t->prefijo;
    return "select pref_pre, " + p + "_numero from " + t->tabla + " where " + p + "_id = " + IntToStr(id);
}

} // namespace

void Tfdm::complete_numero(const std::string& numero, std::string& resultado) { resultado = Complete(numero, 6); }

void Tfdm::complete_numero3(const std::string& numero, std::string& resultado) { resultado = Complete(numero, 3); }

bool Tfdm::existe_numero(int tipo, const std::string& prefijo, const std::string& numero) {
    if (numero.empty()) return true;
    const TTipoDocumento* t = tipo_documento(tipo);
    if (!t) return false;
    std::string completo;
    complete_numero(numero, completo);
    std::string p = t->prefijo;
    bool existe = AbraConsulta(QBorrar, "select " + p + "_id from " + t->tabla + " where pref_pre = " +
                                            sql_texto(prefijo) + " and " + p + "_numero = " + sql_texto(completo));
    if (std::string* hueco = t->hueco()) *hueco = existe ? QBorrar->Fields()[0]->AsString() : std::string();
    QBorrar->Close();
    return existe;
}

bool Tfdm::valide_numero(int tipo, const std::string& prefijo, TField* campo, const std::string& propuesto) {
    std::string tecleado = campo->AsString();
    if (tecleado.empty()) return true;
    vacie_huecos();
    if (!existe_numero(tipo, prefijo, tecleado)) return true;
    if (tecleado != propuesto) {
        if (confirme("Documento " + tecleado + " previamente registrado. Consultar?")) return true;
        vacie_huecos();
        return false;
    }
    // The proposed number was taken meanwhile: move past the used ones.
    std::string siguiente = propuesto;
    do {
        complete_numero(IntToStr(StrToInt64(siguiente) + 1), siguiente);
    } while (existe_numero(tipo, prefijo, siguiente));
    campo->SetAsString(siguiente);
    return true;
}

void Tfdm::registre_prefijo(int tipo) {
    std::string t = IntToStr(tipo);
    abra(CBorrar, "select pref_activo from prefijos where pref_pre = '0000' and tido_cod = " + t);
    bool hay = !CBorrar->IsEmpty();
    if (!hay)
        ejecute(CBorrar, "insert into prefijos (tido_cod, pref_pre, pref_auto, pref_actual, pref_ivainc, pref_activo) "
                         "values (" + t + ", '0000', 'N', '000001', 'N', 'S')");
    else
        ejecute(CBorrar, "update prefijos set pref_activo = 'S' where pref_pre = '0000' and tido_cod = " + t);
    CBorrar->Close();
}

void Tfdm::valide_fecha(TField* campo) {
    if (campo->AsString().empty()) return;
    std::string bloqueo_texto = configuracion("CONTABILIDAD", "GENERAL", "FECHA DE BLOQUEO");
    if (bloqueo_texto.empty()) return;
    TDateTime bloqueo = EncodeDate(StrToInt(Copy(bloqueo_texto, 1, 4)), StrToInt(Copy(bloqueo_texto, 5, 2)),
                                   StrToInt(RightStr(bloqueo_texto, 2)));
    TDateTime del_campo = DateOf(campo->AsDateTime());
    TDateTime hoy = Date();
    if (del_campo >= bloqueo) {
        int dias = StrToInt(configuracion("GENERAL", "GENERAL", "MAXIMO NUMERO DE DIAS PARA DOCUMENTOS FUTUROS"));
        if (del_campo > hoy + dias) {
            muestre_mensaje("La fecha del documento es demasiado lejana. Revise la fecha del mismo y la fecha del "
                            "sistema.");
            campo->SetAsDateTime(hoy);
        }
    } else {
        muestre_mensaje("La compañía esta bloqueada a: " + DateToStr(bloqueo));
        campo->SetAsDateTime(hoy < bloqueo ? bloqueo : hoy);
    }
}

bool Tfdm::valide_acceso(const std::string& modulo_acceso, int opcion) {
    if (principal && principal->Administrador()) return true;
    return acceso_editacomproba(usuario, modulo_acceso, opcion);
}

bool Tfdm::acceso_editacomproba(const std::string& codigo_usuario, const std::string& modulo_acceso, int opcion) {
    abra(CAccesous, "select acus_si from acceso_usuario where user_cod = " + sql_texto(codigo_usuario) +
                        " and acus_modulo = " + sql_texto(modulo_acceso) + " and acus_opcion = " + IntToStr(opcion));
    bool si = !CAccesous->IsEmpty() && CAccesous->Fields()[0]->AsString() == "S";
    CAccesous->Close();
    return si;
}

void Tfdm::valide_usuario(const std::string& codigo, std::string& nombre) {
    if (AbraConsulta(QValiduser, "select usua_nombre from usuario where usua_cod = " + sql_texto(codigo))) {
        nombre = QValiduser->Fields()[0]->AsString();
    } else {
        muestre_error("Nombre de usuario incorrecto");
        nombre.clear();
    }
    QValiduser->Close();
}

void Tfdm::nombre_campo(const std::string& nombre, std::string& descripcion) {
    descripcion = nombre;
    // The error handler asks for names before any company is open.
    if (!Tallyvo->Connected()) return;
    CNomcampos->Close();
    CNomcampos->Open();
    if (CNomcampos->Locate("NOMBRE", nombre, {})) descripcion = CNomcampos->FieldByName("DESCRIPCION")->AsString();
    CNomcampos->Close();
}

void Tfdm::nombre_tipo(int tipo, std::string& nombre) {
    nombre.clear();
    if (AbraConsulta(QNomtipo, "select tido_nomcorto from tipo_documento where tido_cod = " + IntToStr(tipo)))
        nombre = QNomtipo->Fields()[0]->AsString();
    QNomtipo->Close();
}

void Tfdm::num_documento(int tipo, int id, std::string& texto) {
    texto.clear();
    std::string sql = ConsultaNumero(tipo, id, true);
    if (sql.empty()) return;
    if (AbraConsulta(QNumerodoc, sql))
        texto = QNumerodoc->Fields()[0]->AsString() + QNumerodoc->Fields()[1]->AsString();
    QNumerodoc->Close();
}

void Tfdm::numero_documento(int tipo, int id, TField* campo_prefijo, TField* campo_numero) {
    std::string sql = ConsultaNumero(tipo, id, false);
    if (sql.empty()) return;
    if (AbraConsulta(QNumerodoc, sql)) {
        campo_prefijo->SetAsString(QNumerodoc->Fields()[0]->AsString());
        campo_numero->SetAsString(QNumerodoc->Fields()[1]->AsString());
    }
    QNumerodoc->Close();
}

void Tfdm::razon_anulacion(int tipo, int id, std::string& texto) {
    abra(CBorrar, "select audi_razon, audi_usuario from auditoria where tido_cod = " + IntToStr(tipo) +
                      " and audi_iddoc = " + IntToStr(id) + " and audi_oper = 'A'");
    texto.clear();
    if (!CBorrar->IsEmpty()) {
        std::string razon = CBorrar->Fields()[0]->AsString();
        std::string quien = CBorrar->Fields()[1]->AsString();
        texto = (razon.empty() ? "Sin explicación del usuario" : razon) + ". Anulado por:" + quien;
    }
    CBorrar->Close();
}

} // namespace tv::app
