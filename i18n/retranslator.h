#pragma once
// Retranslation: a component walk with a retranslator attached records every
// text it translates together with the text before translation; Run puts the
// recorded texts back and translates them again, e.g. after a change of language.
#include <memory>
#include <string>
#include <vector>

#include "core/object.h"

namespace tv {

class TGnuGettextInstance;

class TExecutable : public TObject {
    TV_CLASS(TExecutable, TObject)
public:
    virtual void Run() = 0;
};

class TTP_RetranslatorItem : public TObject {
    TV_CLASS(TTP_RetranslatorItem, TObject)
public:
    // Not owned.
    TObject* Target = nullptr;
    // "Text" when the target is a string list.
    std::string TargetProperty;
    std::string UntranslatedText;
};

class TTP_Retranslator : public TExecutable {
    TV_CLASS(TTP_Retranslator, TExecutable)
public:
    TTP_Retranslator() = default;

    std::string DomainName;
    // Not owned.
    TGnuGettextInstance* Translator = nullptr;
    std::vector<std::unique_ptr<TTP_RetranslatorItem>> RecordedItems;

    void RecordProperty(TObject* target, const std::string& propertyName, const std::string& value);
    // Raises "Property disappeared..." for an item whose property is gone; the
    // items before it stay applied. Every recorded object must still exist.
    void Run() override;
};

} // namespace tv
