#include "serial/comsetup.h"

#include <mutex>

#include "core/exceptions.h"
#include "core/stringlist.h"
#include "serial/comport.h"

namespace tv {

namespace {

std::mutex& FactoryLock() {
    static std::mutex lock;
    return lock;
}

TComSetupViewFactory& Factory() {
    static TComSetupViewFactory factory;
    return factory;
}

struct StoredCombo {
    TComProperty property;
    const char* text;
};
constexpr StoredCombo StoredCombos[6] = {
    {cpPort, "COM1"}, {cpBaudRate, "Custom"}, {cpDataBits, "5"},
    {cpStopBits, "1"}, {cpParity, "None"},    {cpFlowControl, "Hardware"},
};

} // namespace

TComSetupViewFactory SetComSetupViewFactory(TComSetupViewFactory factory) {
    std::lock_guard guard(FactoryLock());
    TComSetupViewFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}

struct TComSetupData::List {
    TStringList items;
    TComSelect select{&items};
};

std::function<bool(TComSetupData&)> TComSetupData::OnShowModal;

TComSetupData::TComSetupData() {
    for (int i = 0; i < 6; ++i) {
        lists_[i] = std::make_unique<List>();
        lists_[i]->select.SetComProperty(StoredCombos[i].property);
        lists_[i]->select.SetText(StoredCombos[i].text);
    }
}

TComSetupData::~TComSetupData() = default;

TComSelect& TComSetupData::Combo(int index) {
    if (index < 1 || index > 6) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return lists_[index - 1]->select;
}

bool TComSetupData::ShowModal() { return OnShowModal ? OnShowModal(*this) : false; }

void RunComSetupDialog(TCustomComPort* port) {
    TComSetupViewFactory factory;
    {
        std::lock_guard guard(FactoryLock());
        factory = Factory();
    }
    std::unique_ptr<TComSetupView> view = factory ? factory() : std::make_unique<TComSetupData>();
    for (int i = 1; i <= 6; ++i) view->Combo(i).SetComPort(port);
    for (int i = 1; i <= 6; ++i) view->Combo(i).UpdateSettings();
    if (!view->ShowModal() || !port) return;
    port->BeginUpdate();
    try {
        for (int i = 1; i <= 6; ++i) view->Combo(i).ApplySettings();
    } catch (...) {
        // The bracket is closed all the same, or the port would never apply again.
        try {
            port->EndUpdate();
        } catch (...) {
        }
        throw;
    }
    port->EndUpdate();
}

} // namespace tv
