// The component walk of the translation instance.
#include <deque>
#include <optional>
#include <unordered_set>
#include <vector>

#include "core/collection.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/properties.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "i18n/gnugettextinstance.h"
#include "i18n/retranslator.h"

namespace tv {

void TGnuGettextInstance::TP_Ignore(TObject*, const std::string& name) {
    ignoreList_.insert(UpperCase(name));
}

void TGnuGettextInstance::TP_GlobalIgnoreClassProperty(TClass cls, const std::string& propertyName) {
    const std::string name = UpperCase(propertyName);
    for (auto it = classModes_.begin(); it != classModes_.end(); ++it) {
        if (it->ModeClass == cls) {
            it->IgnoredProperties.insert(name);
            return;
        }
        if (cls->InheritsFrom(it->ModeClass)) {
            classModes_.insert(it, TClassMode{cls, {name}});
            return;
        }
    }
    classModes_.push_back(TClassMode{cls, {name}});
}

void TGnuGettextInstance::TranslateStrings(TStrings* list, const std::string& domain) {
    if (!list) return;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list->Count()));
    for (int i = 0; i < list->Count(); ++i) lines.push_back(list->Strings(i));
    std::vector<std::string> translated = lines;
    for (auto& line : translated)
        if (!line.empty()) line = TranslateInDomain(domain, line);
    if (translated == lines) return;

    // A sorted list cannot take lines by index; it gets its text back whole
    // and sorts it again. Others keep their objects beside their lines.
    auto* stringList = dynamic_cast<TStringList*>(list);
    if (stringList && stringList->Sorted()) {
        std::string text;
        for (const auto& line : translated) text += line + std::string(sLineBreak);
        list->SetText(text);
        return;
    }
    list->BeginUpdate();
    try {
        for (std::size_t i = 0; i < translated.size(); ++i)
            if (translated[i] != lines[i]) list->SetStrings(static_cast<int>(i), translated[i]);
    } catch (...) {
        list->EndUpdate();
        throw;
    }
    list->EndUpdate();
}

void TGnuGettextInstance::TranslateComponent(TObject* object, const std::string& domain) {
    const std::string textDomain = domain.empty() ? TextDomain() : domain;
    if (retranslator_) retranslator_->DomainName = textDomain;

    // Ignore paths name owned components by name and the starting object by an
    // empty name. Objects reached through properties have no path, so a
    // ".Caption" meant for the window never reaches a collection item or a
    // referenced component.
    struct Queued {
        std::optional<std::string> path;
        TObject* object;
    };
    std::deque<Queued> queue{{std::string(), object}};
    std::unordered_set<const TObject*> done;

    while (!queue.empty()) {
        auto [queueName, current] = queue.front();
        queue.pop_front();
        if (!current || !done.insert(current).second) continue;

        std::set<std::string> objectIgnores;
        for (const TClassMode& mode : classModes_)
            if (current->InheritsFrom(mode.ModeClass))
                objectIgnores.insert(mode.IgnoredProperties.begin(), mode.IgnoredProperties.end());

        for (const TPropInfo* prop : GetPropList(current->ClassType())) {
            const std::string upper = UpperCase(prop->Name());
            if ((queueName && ignoreList_.count(*queueName + "." + upper)) || objectIgnores.count(upper)) continue;
            try {
                switch (prop->Kind()) {
                case TPropKind::String: {
                    const std::string value = prop->GetStr(current);
                    if (value.empty() || !prop->IsWritable()) break;
                    if (retranslator_) retranslator_->RecordProperty(current, prop->Name(), value);
                    const std::string translated = TranslateInDomain(textDomain, value);
                    if (translated == value) break;
                    const TPropInfo* again = GetPropInfo(current, prop->Name());
                    if (!again) throw Exception("Property disappeared...");
                    again->SetStr(current, translated);
                    break;
                }
                case TPropKind::Object:
                case TPropKind::Collection:
                case TPropKind::StringList:
                case TPropKind::ComponentRef: {
                    TObject* held = prop->GetObject(current);
                    if (!held) break;
                    if (auto* list = dynamic_cast<TStrings*>(held)) {
                        if (retranslator_) {
                            const std::string text = list->Text();
                            if (!text.empty()) retranslator_->RecordProperty(list, "Text", text);
                        }
                        TranslateStrings(list, textDomain);
                    } else if (auto* collection = dynamic_cast<TCollection*>(held)) {
                        for (int i = 0; i < collection->Count(); ++i)
                            queue.push_back({std::nullopt, collection->Items(i)});
                    } else if (dynamic_cast<TComponent*>(held)) {
                        queue.push_back({std::nullopt, held});
                    }
                    break;
                }
                default: break;
                }
            } catch (const std::exception& e) {
                throw Exception("Property cannot be translated.\r\nUse TP_GlobalIgnoreClassProperty(" +
                                current->ClassName() + "," + prop->Name() + ") or\r\nTP_Ignore (self,'." +
                                prop->Name() + "') to prevent this message.\r\nReason: " + e.what());
            }
        }

        if (auto* list = dynamic_cast<TStrings*>(current)) TranslateStrings(list, textDomain);

        if (auto* component = dynamic_cast<TComponent*>(current)) {
            for (int i = 0; i < component->ComponentCount(); ++i) {
                TComponent* owned = component->Components(i);
                const std::string name = UpperCase(owned->Name());
                if (!ignoreList_.count(name)) queue.push_back({name, owned});
            }
        }
    }

    ignoreList_.clear();
    retranslator_ = nullptr;
}

} // namespace tv
