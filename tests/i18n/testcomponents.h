#pragma once
// Small published classes for the component-translation tests.
#include <memory>
#include <stdexcept>
#include <string>

#include "core/collection.h"
#include "core/component.h"
#include "core/properties.h"
#include "core/stringlist.h"

namespace i18ntest {

class TTestItem : public tv::TCollectionItem {
    TV_CLASS(TTestItem, tv::TCollectionItem)
public:
    using tv::TCollectionItem::TCollectionItem;
    static void Publish(tv::TPublisher& p) { p.String("Title", &TTestItem::Title, &TTestItem::SetTitle); }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }

private:
    std::string title_;
};

class TTestControl : public tv::TComponent {
    TV_CLASS(TTestControl, tv::TComponent)
public:
    explicit TTestControl(tv::TComponent* owner = nullptr)
        : tv::TComponent(owner), lines_(std::make_unique<tv::TStringList>()),
          items_(std::make_unique<tv::TCollection>(TTestItem::StaticClass())) {}

    static void Publish(tv::TPublisher& p) {
        tv::TComponent::Publish(p);
        p.String("Caption", &TTestControl::Caption, &TTestControl::SetCaption);
        p.String("Hint", &TTestControl::Hint, &TTestControl::SetHint);
        p.String("Version", &TTestControl::Version);
        p.Integer("Tag2", &TTestControl::Tag2, &TTestControl::SetTag2);
        p.Strings("Lines", &TTestControl::Lines, &TTestControl::SetLines);
        p.Collection("Items", &TTestControl::Items);
        p.Component("Buddy", &TTestControl::Buddy, &TTestControl::SetBuddy);
        p.String("Fragile", &TTestControl::Fragile, &TTestControl::SetFragile);
    }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        caption_ = v;
        ++captionWrites;
    }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    std::string Version() const { return "Close"; }
    int Tag2() const { return 0; }
    void SetTag2(int) {}
    tv::TStrings* Lines() const { return lines_.get(); }
    void SetLines(tv::TStrings* v) { lines_->Assign(v); }
    tv::TCollection* Items() const { return items_.get(); }
    tv::TComponent* Buddy() const { return buddy_; }
    void SetBuddy(tv::TComponent* v) { buddy_ = v; }
    const std::string& Fragile() const { return fragile_; }
    void SetFragile(const std::string& v) {
        if (v == "Cerrar") throw std::runtime_error("the setter refused it");
        fragile_ = v;
    }

    int captionWrites = 0;

private:
    std::string caption_, hint_, fragile_;
    std::unique_ptr<tv::TStringList> lines_;
    std::unique_ptr<tv::TCollection> items_;
    tv::TComponent* buddy_ = nullptr;
};

class TTestButton : public TTestControl {
    TV_CLASS(TTestButton, TTestControl)
public:
    using TTestControl::TTestControl;
};

} // namespace i18ntest
