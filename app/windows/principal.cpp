#include "app/windows/principal.h"

#include "app/data/archivos.h"
#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/windows/acceso.h"
#include "app/windows/acercade.h"
#include "app/windows/clave.h"
#include "app/windows/consprecios.h"
#include "framework/ui/actions.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/menus.h"
#include "framework/ui/stdctrls/edit.h"

namespace tv::app {

Tfprincipal* fprincipal = nullptr;

Tfprincipal::Tfprincipal(TComponent* owner) : TForm(owner) {}

Tfprincipal::~Tfprincipal() {
    if (fdm && fdm->principal == this) fdm->principal = nullptr;
    if (fprincipal == this) fprincipal = nullptr;
}

void Tfprincipal::Publish(TPublisher& p) {
    p.Method("FormCreate", &Tfprincipal::FormCreate);
    p.Method("FormActivate", &Tfprincipal::FormActivate);
    p.Method("FormClose", &Tfprincipal::FormClose);
    p.Method("Timer2Timer", &Tfprincipal::Timer2Timer);
    p.Field("Panel1", &Tfprincipal::Panel1);
    p.Field("Label1", &Tfprincipal::Label1);
    p.Field("Label2", &Tfprincipal::Label2);
    p.Field("ECompania", &Tfprincipal::ECompania);
    p.Field("EUsuario", &Tfprincipal::EUsuario);
    p.Field("Image1", &Tfprincipal::Image1);
    p.Field("StatusBar1", &Tfprincipal::StatusBar1);
    p.Field("Timer2", &Tfprincipal::Timer2);
}

namespace {

TMenuItem* Entrada(TComponent* owner, TMenuItem* padre, const std::string& nombre, const std::string& texto,
                   TBasicAction* accion = nullptr) {
    auto* m = new TMenuItem(owner);
    m->SetName(nombre);
    m->SetCaption(texto);
    if (accion) m->SetAction(accion);
    padre->Add(m);
    return m;
}

template <class A = TAction>
A* Accion(TActionList* lista, const std::string& nombre, const std::string& texto, TShortCut atajo = scNone) {
    auto* a = new A(lista->Owner());
    a->SetName(nombre);
    a->SetCaption(texto);
    if (atajo != scNone) a->SetShortCut(atajo);
    a->SetActionList(lista);
    return a;
}

} // namespace

// The menu and its actions. Actions without a handler show disabled.
void Tfprincipal::CreeMenu() {
    ActionList1 = new TActionList(this);
    ActionList1->SetName("ActionList1");
    auto* l = ActionList1;
    auto vacia = [](auto metodo, Tfprincipal* f) { return [f, metodo](TObject* s) { (f->*metodo)(s); }; };
    auto* salir = Accion<TFileExit>(l, "FileExit1", "&Salir");
    auto* impresora = Accion<TFilePrintSetup>(l, "FilePrintSetup1", "&Configurar impresora");
    auto* nvoarticulo = Accion(l, "Nvoarticulo", "&Nuevo Artículo");
    nvoarticulo->OnExecute = vacia(&Tfprincipal::NvoarticuloExecute, this);
    auto* busarticulo = Accion(l, "Busarticulo", "&Buscar artículo");
    busarticulo->OnExecute = vacia(&Tfprincipal::BusarticuloExecute, this);
    auto* nvocliente = Accion(l, "nvocliente", "&Nuevo Cliente");
    auto* buscliente = Accion(l, "buscliente", "&Buscar cliente  ");
    auto* facturas = Accion(l, "facturas", "&Facturas");
    auto* remisiones = Accion(l, "remisiones", " &Remisiones    ");
    remisiones->OnExecute = vacia(&Tfprincipal::remisionesExecute, this);
    auto* pedidos = Accion(l, "pedidos", " &Pedidos          ");
    pedidos->OnExecute = vacia(&Tfprincipal::pedidosExecute, this);
    auto* devoluciones = Accion(l, "devoluciones", " &Devoluciones   ");
    devoluciones->OnExecute = vacia(&Tfprincipal::devolucionesExecute, this);
    auto* cotizaciones = Accion(l, "cotizaciones", " &Cotizaciones    ");
    cotizaciones->OnExecute = vacia(&Tfprincipal::cotizacionesExecute, this);
    auto* vendedores = Accion(l, "vendedores", "&Vendedores");
    auto* infarticulos = Accion(l, "infarticulos", "Informes &Articulos");
    auto* infclientes = Accion(l, "infclientes", "Informes &Clientes");
    auto* infdocumentos = Accion(l, "infdocumentos", "Informes &documentos");
    auto* infvendedores = Accion(l, "infvendedores", "Informes &Vendedores");
    auto* organizar = Accion<TWindowArrange>(l, "WindowArrange1", "&Organizar");
    auto* cascada = Accion<TWindowCascade>(l, "WindowCascade1", "C&ascada");
    auto* cerrar = Accion<TWindowClose>(l, "WindowClose1", "&Cerrar");
    auto* minimizar = Accion<TWindowMinimizeAll>(l, "WindowMinimizeAll1", "&Minimizar todas");
    for (TCustomAction* a : std::initializer_list<TCustomAction*>{organizar, cascada, cerrar, minimizar})
        a->SetEnabled(false);
    auto* contenido = Accion(l, "contenido", "&Contenido");
    auto* buscar = Accion(l, "buscar", "&Buscar");
    Accion<TEditCut>(l, "EditCut1", "C&ortar", scCtrl | 'X');
    Accion<TEditCopy>(l, "EditCopy1", "&Copiar", scCtrl | 'C');
    Accion<TEditPaste>(l, "EditPaste1", "&Pegar", scCtrl | 'V');

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* raiz = MainMenu1->Items();
    TMenuItem* m = Entrada(this, raiz, "Archivo1", "&Archivo");
    Entrada(this, m, "Configurarimpresora1", "", impresora);
    Entrada(this, m, "N1", "-");
    Entrada(this, m, "Salir1", "", salir);
    m = Entrada(this, raiz, "Articulos1", "A&rtículos");
    Entrada(this, m, "NuevoArticulo1", "", nvoarticulo);
    Entrada(this, m, "Buscararticulo1", "", busarticulo);
    m = Entrada(this, raiz, "Clientes1", "&Clientes");
    Entrada(this, m, "NuevoCliente1", "", nvocliente);
    Entrada(this, m, "Buscarcliente1", "", buscliente);
    m = Entrada(this, raiz, "Documentos1", "&Documentos");
    for (auto* a : {facturas, remisiones, pedidos, devoluciones, cotizaciones})
        Entrada(this, m, a->Name() + "1", "", a);
    m = Entrada(this, raiz, "Vendedores1", "&Vendedores");
    Entrada(this, m, "Vendedores2", "", vendedores);
    m = Entrada(this, raiz, "Informes1", "&Informes");
    for (auto* a : {infarticulos, infclientes, infdocumentos, infvendedores}) Entrada(this, m, a->Name() + "1", "", a);
    TMenuItem* ventana = Entrada(this, raiz, "Ventana1", "&Ventana");
    for (TCustomAction* a : std::initializer_list<TCustomAction*>{organizar, cascada, cerrar, minimizar})
        Entrada(this, ventana, a->Name() + "Item", "", a);
    m = Entrada(this, raiz, "Ayuda1", "A&yuda");
    Entrada(this, m, "Contenido1", "", contenido);
    Entrada(this, m, "Buscar1", "", buscar);
    Entrada(this, m, "Acercade1", "&Acerca de")->OnClick = [this](TObject* s) { Acercade1Click(s); };
    SetMenu(MainMenu1);
    SetWindowMenu(ventana);
}

void Tfprincipal::FormCreate(TObject*) {
    CreeMenu();
    fprincipal = this;
    if (fdm) {
        fdm->principal = this;
        fdm->modulo = "FACTURACION";
    }
    primera_activacion = true;
}

void Tfprincipal::FormActivate(TObject*) {
    if (!primera_activacion) return;
    separador = "/";
    Image1->SetLeft(ClientWidth() - 120);

    TModalResult resultado;
    {
        Tfacceso* acceso = NewForm<Tfacceso>(this);
        // The login window lives only while it shows.
        struct Libere {
            Tfacceso* f;
            ~Libere() { f->Free(); }
        } libere{acceso};
        resultado = acceso->ShowModal();
    }
    if (resultado != mrOk) {
        Application->Terminate();
        return;
    }
    DespuesDelIngreso();
}

void Tfprincipal::DespuesDelIngreso() {
    fdm->conecte_general(servidor, fdm->usuario, clave);
    administrador = fdm->usuario_administrador();
    EUsuario->SetText(fdm->nombre_usuario);
    ECompania->SetText(fdm->configuracion("GENERAL", "GENERAL", "NOMBRE COMPAÑIA"));
    primera_activacion = false;

    Tfconsprecios* consulta = NewForm<Tfconsprecios>(this);
    fconsprecios = consulta;
    consulta->SetWindowState(wsMaximized);
    consulta->ShowModal();
    Close();
}

void Tfprincipal::FormClose(TObject*, TCloseAction& action) {
    if (MDIChildCount() > 0) {
        muestre_mensaje("Cierre antes las ventanas de facturas, recibos o egresos.");
        action = caNone;
    }
}

void Tfprincipal::BitBtn5Click(TObject*) { Close(); }

void Tfprincipal::Timer2Timer(TObject*) {
    SetAvisoBarra(TAvisoBarra::abNinguno);
    SetTextoBarra("");
    Timer2->SetEnabled(false);
}

void Tfprincipal::Acercade1Click(TObject*) {
    Tfacercade* acercade = NewForm<Tfacercade>(this);
    acercade->Show();
}

void Tfprincipal::diraplicacion(std::string& directorio) { directorio = app::diraplicacion(); }

void Tfprincipal::ubicaciondb(std::string& ubicacion) {
    std::string leida;
    if (lea_ubicacion(archivo_aplicacion("conexion.cfg"), leida)) ubicacion = leida;
    else ubicacion.clear();
}

bool Tfprincipal::autorizacion_cierre() {
    Tfclave* prompt = NewForm<Tfclave>(this);
    return prompt->ShowModal() == mrOk;
}

// --- status bar ------------------------------------------------------------------

std::string Tfprincipal::TextoBarra() const {
    return StatusBar1 && StatusBar1->Panels()->Count() > 0 ? StatusBar1->Panels()->Items(0)->Text() : std::string();
}

void Tfprincipal::SetTextoBarra(const std::string& texto) {
    if (StatusBar1 && StatusBar1->Panels()->Count() > 0) StatusBar1->Panels()->Items(0)->SetText(texto);
}

void Tfprincipal::SetAvisoBarra(TAvisoBarra aviso) {
    aviso_ = aviso;
    if (!StatusBar1) return;
    switch (aviso) {
    case TAvisoBarra::abNinguno: StatusBar1->SetColor(clBtnFace); break;
    case TAvisoBarra::abAdvertencia: StatusBar1->SetColor(clRed); break;
    case TAvisoBarra::abRecordatorio: StatusBar1->SetColor(clSkyBlue); break;
    case TAvisoBarra::abSolicitando: StatusBar1->SetColor(fdm ? fdm->color_solicitando() : clBtnFace); break;
    }
}

void Tfprincipal::ArranqueTemporizador(int milisegundos) {
    Timer2->SetEnabled(false);
    Timer2->SetInterval(milisegundos);
    Timer2->SetEnabled(true);
}

void Tfprincipal::Repinte() { Repaint(); }

} // namespace tv::app
