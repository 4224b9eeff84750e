#include "i18n/retranslator.h"

#include "core/exceptions.h"
#include "core/properties.h"
#include "core/stringlist.h"
#include "i18n/gnugettextinstance.h"

namespace tv {

void TTP_Retranslator::RecordProperty(TObject* target, const std::string& propertyName, const std::string& value) {
    auto item = std::make_unique<TTP_RetranslatorItem>();
    item->Target = target;
    item->TargetProperty = propertyName;
    item->UntranslatedText = value;
    RecordedItems.push_back(std::move(item));
}

void TTP_Retranslator::Run() {
    for (const auto& item : RecordedItems) {
        if (auto* list = dynamic_cast<TStrings*>(item->Target)) {
            list->SetText(item->UntranslatedText);
            Translator->TranslateStrings(list, DomainName);
            continue;
        }
        const std::string translated = Translator->TranslateInDomain(DomainName, item->UntranslatedText);
        const TPropInfo* prop = GetPropInfo(item->Target, item->TargetProperty);
        if (!prop) throw Exception("Property disappeared...");
        prop->SetStr(item->Target, translated);
    }
}

} // namespace tv
