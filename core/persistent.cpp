#include "core/persistent.h"

#include "core/exceptions.h"
#include "core/rtlconsts.h"
#include "core/sysformat.h"

namespace tv {

TPersistent::~TPersistent() = default;

void TPersistent::Assign(TPersistent* source) {
    if (source)
        source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) const {
    std::string sourceName = source ? source->ClassName() : "nil";
    throw EConvertError(Format(LoadResString(SAssignError), sourceName, ClassName()));
}

std::string TPersistent::GetNamePath() const {
    std::string result = ClassName();
    if (TPersistent* owner = GetOwner()) {
        std::string s = owner->GetNamePath();
        if (!s.empty()) result = s + "." + result;
    }
    return result;
}

void TPersistent::SetBoundMethodName(const std::string& event, const std::string& method) {
    if (method.empty()) {
        if (methodNames_) methodNames_->erase(event);
        return;
    }
    if (!methodNames_) methodNames_ = std::make_unique<std::map<std::string, std::string>>();
    (*methodNames_)[event] = method;
}

} // namespace tv
