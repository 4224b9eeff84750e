#include "serial/comstorage.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "core/exceptions.h"
#include "core/inifiles.h"
#include "core/registry.h"
#include "core/strutils.h"
#include "serial/comerror.h"
#include "serial/comport.h"

namespace tv {

namespace {
// Longer than any device path a port is opened by.
constexpr std::size_t kMaxPortNameLength = 255;
} // namespace

std::string BoolToSettingText(bool value) { return value ? "Yes" : "No"; }

bool SettingTextToBool(const std::string& text) { return UpperCase(text) == "YES"; }

std::string CharToSettingText(char value) {
    auto code = static_cast<unsigned char>(value);
    if (code >= 33 && code <= 127) return std::string(1, value);
    return "#" + std::to_string(code);
}

char SettingTextToChar(const std::string& text) {
    if (text.empty()) return 0;
    if (text[0] != '#' || text.size() == 1) return text[0];
    long long number = 0;
    const char* first = text.data() + 1;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last) return 0;
    return static_cast<char>(static_cast<unsigned char>(number & 0xFF));
}

namespace {

// One store, seen the same way by every group of keys.
struct SettingsStore {
    std::function<void(const std::string& key, const std::string& value)> writeString;
    std::function<void(const std::string& key, int value)> writeInteger;
    // The ini file falls back on the default; the registry ignores it.
    std::function<std::string(const std::string& key, const std::string& def)> readString;
    std::function<int(const std::string& key, int def)> readInteger;
};

// The keys of every chosen group, in the order they are written and read.
class TComSettingsKeys {
public:
    static void Store(TCustomComPort& port, const SettingsStore& s) {
        TComStoredGroups groups = port.StoredGroups();
        if (groups.Contains(sgBasic)) {
            s.writeString("Port", port.Port());
            s.writeString("BaudRate", BaudRateToStr(port.BaudRate()));
            if (port.BaudRate() == brCustom) s.writeInteger("CustomBaudRate", port.CustomBaudRate());
            s.writeString("StopBits", StopBitsToStr(port.StopBits()));
            s.writeString("DataBits", DataBitsToStr(port.DataBits()));
            s.writeString("Parity", ParityToStr(port.Parity()->Bits()));
            s.writeString("FlowControl", FlowControlToStr(port.FlowControl()->FlowControl()));
        }
        if (groups.Contains(sgOthers)) {
            s.writeString("EventChar", CharToSettingText(port.EventChar()));
            s.writeString("DiscardNull", BoolToSettingText(port.DiscardNull()));
        }
        if (groups.Contains(sgParity)) {
            TComParity* p = port.Parity();
            s.writeString("Parity.Check", BoolToSettingText(p->Check()));
            s.writeString("Parity.Replace", BoolToSettingText(p->Replace()));
            s.writeString("Parity.ReplaceChar", CharToSettingText(p->ReplaceChar()));
        }
        if (groups.Contains(sgBuffer)) {
            s.writeInteger("Buffer.OutputSize", port.Buffer()->OutputSize());
            s.writeInteger("Buffer.InputSize", port.Buffer()->InputSize());
        }
        if (groups.Contains(sgTimeouts)) {
            TComTimeouts* t = port.Timeouts();
            s.writeInteger("Timeouts.ReadInterval", t->ReadInterval());
            s.writeInteger("Timeouts.ReadTotalConstant", t->ReadTotalConstant());
            s.writeInteger("Timeouts.ReadTotalMultiplier", t->ReadTotalMultiplier());
            s.writeInteger("Timeouts.WriteTotalConstant", t->WriteTotalConstant());
            s.writeInteger("Timeouts.WriteTotalMultiplier", t->WriteTotalMultiplier());
        }
        if (groups.Contains(sgFlowControl)) {
            TComFlowControl* f = port.FlowControl();
            s.writeString("FlowControl.ControlRTS", RTSToStr(f->ControlRTS()));
            s.writeString("FlowControl.ControlDTR", DTRToStr(f->ControlDTR()));
            s.writeString("FlowControl.DSRSensitivity", BoolToSettingText(f->DSRSensitivity()));
            s.writeString("FlowControl.OutCTSFlow", BoolToSettingText(f->OutCTSFlow()));
            s.writeString("FlowControl.OutDSRFlow", BoolToSettingText(f->OutDSRFlow()));
            s.writeString("FlowControl.TxContinueOnXoff", BoolToSettingText(f->TxContinueOnXoff()));
            s.writeString("FlowControl.XonXoffIn", BoolToSettingText(f->XonXoffIn()));
            s.writeString("FlowControl.XonXoffOut", BoolToSettingText(f->XonXoffOut()));
            s.writeString("FlowControl.XoffChar", CharToSettingText(f->XoffChar()));
            s.writeString("FlowControl.XonChar", CharToSettingText(f->XonChar()));
        }
    }

    // Every value goes through its setter, so an open port takes each at once.
    static void Load(TCustomComPort& port, const SettingsStore& s) {
        TComStoredGroups groups = port.StoredGroups();
        auto flag = [&](const std::string& key, bool current) {
            return SettingTextToBool(s.readString(key, BoolToSettingText(current)));
        };
        auto character = [&](const std::string& key, char current) {
            return SettingTextToChar(s.readString(key, CharToSettingText(current)));
        };
        if (groups.Contains(sgBasic)) {
            // A device name is short and plain text; anything else (a file
            // grown to megabytes, a NUL) names no port and is not kept.
            const std::string name = s.readString("Port", port.Port());
            if (name.size() > kMaxPortNameLength ||
                std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
                throw EComPort(CError_LoadFailed);
            port.SetPort(name);
            port.SetBaudRate(StrToBaudRate(s.readString("BaudRate", BaudRateToStr(port.BaudRate()))));
            if (port.BaudRate() == brCustom) port.SetCustomBaudRate(s.readInteger("CustomBaudRate", 9600));
            port.SetStopBits(StrToStopBits(s.readString("StopBits", StopBitsToStr(port.StopBits()))));
            port.SetDataBits(StrToDataBits(s.readString("DataBits", DataBitsToStr(port.DataBits()))));
            port.Parity()->SetBits(StrToParity(s.readString("Parity", ParityToStr(port.Parity()->Bits()))));
            port.FlowControl()->SetFlowControl(StrToFlowControl(
                s.readString("FlowControl", FlowControlToStr(port.FlowControl()->FlowControl()))));
        }
        if (groups.Contains(sgOthers)) {
            port.SetEventChar(character("EventChar", port.EventChar()));
            port.SetDiscardNull(flag("DiscardNull", port.DiscardNull()));
        }
        if (groups.Contains(sgParity)) {
            TComParity* p = port.Parity();
            p->SetCheck(flag("Parity.Check", p->Check()));
            p->SetReplace(flag("Parity.Replace", p->Replace()));
            p->SetReplaceChar(character("Parity.ReplaceChar", p->ReplaceChar()));
        }
        if (groups.Contains(sgBuffer)) {
            TComBuffer* b = port.Buffer();
            b->SetOutputSize(s.readInteger("Buffer.OutputSize", b->OutputSize()));
            b->SetInputSize(s.readInteger("Buffer.InputSize", b->InputSize()));
        }
        if (groups.Contains(sgTimeouts)) {
            TComTimeouts* t = port.Timeouts();
            t->SetReadInterval(s.readInteger("Timeouts.ReadInterval", t->ReadInterval()));
            t->SetReadTotalConstant(s.readInteger("Timeouts.ReadTotalConstant", t->ReadTotalConstant()));
            t->SetReadTotalMultiplier(s.readInteger("Timeouts.ReadTotalMultiplier", t->ReadTotalMultiplier()));
            t->SetWriteTotalConstant(s.readInteger("Timeouts.WriteTotalConstant", t->WriteTotalConstant()));
            t->SetWriteTotalMultiplier(s.readInteger("Timeouts.WriteTotalMultiplier", t->WriteTotalMultiplier()));
        }
        if (groups.Contains(sgFlowControl)) {
            TComFlowControl* f = port.FlowControl();
            f->SetControlRTS(StrToRTS(s.readString("FlowControl.ControlRTS", RTSToStr(f->ControlRTS()))));
            f->SetControlDTR(StrToDTR(s.readString("FlowControl.ControlDTR", DTRToStr(f->ControlDTR()))));
            f->SetDSRSensitivity(flag("FlowControl.DSRSensitivity", f->DSRSensitivity()));
            f->SetOutCTSFlow(flag("FlowControl.OutCTSFlow", f->OutCTSFlow()));
            f->SetOutDSRFlow(flag("FlowControl.OutDSRFlow", f->OutDSRFlow()));
            f->SetTxContinueOnXoff(flag("FlowControl.TxContinueOnXoff", f->TxContinueOnXoff()));
            f->SetXonXoffIn(flag("FlowControl.XonXoffIn", f->XonXoffIn()));
            f->SetXonXoffOut(flag("FlowControl.XonXoffOut", f->XonXoffOut()));
            f->SetXoffChar(character("FlowControl.XoffChar", f->XoffChar()));
            f->SetXonChar(character("FlowControl.XonChar", f->XonChar()));
        }
    }
};

SettingsStore IniStore(TCustomIniFile& ini, const std::string& section) {
    SettingsStore s;
    s.writeString = [&ini, section](const std::string& key, const std::string& value) {
        ini.WriteString(section, key, value);
    };
    s.writeInteger = [&ini, section](const std::string& key, int value) { ini.WriteInteger(section, key, value); };
    s.readString = [&ini, section](const std::string& key, const std::string& def) {
        return ini.ReadString(section, key, def);
    };
    s.readInteger = [&ini, section](const std::string& key, int def) { return ini.ReadInteger(section, key, def); };
    return s;
}

// Values of the open key; what is read ignores the defaults.
SettingsStore RegistryStore(TRegistry& reg) {
    SettingsStore s;
    s.writeString = [&reg](const std::string& key, const std::string& value) { reg.WriteString(key, value); };
    s.writeInteger = [&reg](const std::string& key, int value) { reg.WriteInteger(key, value); };
    s.readString = [&reg](const std::string& key, const std::string&) { return reg.ReadString(key); };
    s.readInteger = [&reg](const std::string& key, int) { return reg.ReadInteger(key); };
    return s;
}

// "HKEY_LOCAL_MACHINE\Software\Ports" opens Software\Ports\<Name> under that
// root; a path without "\" opens nothing and leaves the current-user root.
void OpenSettingsKey(TRegistry& reg, const std::string& path, const std::string& name) {
    std::size_t slash = path.find('\\');
    if (slash == std::string::npos) return;
    std::string root = UpperCase(path.substr(0, slash));
    if (root == "HKEY_LOCAL_MACHINE")
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
    else if (root == "HKEY_CURRENT_USER")
        reg.SetRootKey(HKEY_CURRENT_USER);
    std::string key = path.substr(slash + 1);
    if (key.empty() || key.back() != '\\') key += '\\';
    key += name;
    // Writing on at the root when the key cannot be had would scatter the
    // settings where nobody looks for them.
    if (!reg.OpenKey(key, true)) throw ERegistryException("Failed to open key " + key);
}

} // namespace

void TCustomComPort::StoreRegistry(TRegistry& reg) { TComSettingsKeys::Store(*this, RegistryStore(reg)); }

void TCustomComPort::LoadRegistry(TRegistry& reg) { TComSettingsKeys::Load(*this, RegistryStore(reg)); }

void TCustomComPort::StoreRegistryAt(const std::string& path) {
    TRegistry reg;
    OpenSettingsKey(reg, path, Name());
    StoreRegistry(reg);
}

void TCustomComPort::LoadRegistryAt(const std::string& path) {
    TRegistry reg;
    OpenSettingsKey(reg, path, Name());
    LoadRegistry(reg);
}

void TCustomComPort::StoreIniFile(TCustomIniFile& ini) { TComSettingsKeys::Store(*this, IniStore(ini, Name())); }

void TCustomComPort::LoadIniFile(TCustomIniFile& ini) { TComSettingsKeys::Load(*this, IniStore(ini, Name())); }

void TCustomComPort::StoreSettings(bool toIniFile, const std::string& path) {
    try {
        if (toIniFile) {
            TIniFile ini(path);
            StoreIniFile(ini);
        } else {
            StoreRegistryAt(path);
        }
    } catch (...) {
        throw EComPort(CError_StoreFailed);
    }
}

void TCustomComPort::LoadSettings(bool fromIniFile, const std::string& path) {
    try {
        if (fromIniFile) {
            TIniFile ini(path);
            LoadIniFile(ini);
        } else {
            LoadRegistryAt(path);
        }
    } catch (...) {
        throw EComPort(CError_LoadFailed);
    }
}

} // namespace tv
