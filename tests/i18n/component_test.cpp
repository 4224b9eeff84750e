#include <gtest/gtest.h>

#include "core/exceptions.h"
#include "i18n/gnugettextinstance.h"
#include "i18n/retranslator.h"
#include "tests/i18n/catalogs.h"
#include "tests/i18n/testcomponents.h"
#include "tests/support/tempdir.h"

using namespace i18ntest;
using tv::TGnuGettextInstance;

namespace {

class ComponentTranslation : public ::testing::Test {
protected:
    ComponentTranslation() {
        const std::string d = dir.path().string();
        BuildCatalog(d, "es", "default",
                     PoHeader() +
                         "msgid \"Setup\"\nmsgstr \"Configuración\"\n\n"
                         "msgid \"Close\"\nmsgstr \"Cerrar\"\n\n"
                         // A second lookup of a translation would show.
                         "msgid \"Cerrar\"\nmsgstr \"Cerrar otra vez\"\n\n"
                         "msgid \"Button1\"\nmsgstr \"Boton1\"\n\n"
                         "msgid \"Press here\"\nmsgstr \"Pulse aquí\"\n\n"
                         "msgid \"First line\"\nmsgstr \"Primera línea\"\n\n"
                         "msgid \"Third line\"\nmsgstr \"Tercera línea\"\n\n"
                         "msgid \"Price\"\nmsgstr \"Precio\"\n\n"
                         "msgid \"Same\"\nmsgstr \"Same\"\n");
        BuildCatalog(d, "de", "default", PoHeader() + "msgid \"Close\"\nmsgstr \"Schließen\"\n\n"
                                                      "msgid \"First line\"\nmsgstr \"Erste Zeile\"\n");
        BuildCatalog(d, "es", "cport", PoHeader() + "msgid \"Close\"\nmsgstr \"Cerrar puerto\"\n");
        gt.BindTextDomain("default", d);
        gt.BindTextDomain("cport", d);
        gt.UseLanguage("es");

        form.SetName("Form1");
        form.SetCaption("Setup");
        button->SetName("Button1");
        button->SetCaption("Close");
        button->SetHint("Press here");
        label->SetName("Label1");
        label->SetCaption("Close");
        label->SetBuddy(button);
        memo->SetName("Memo1");
        memo->Lines()->SetText("First line\r\n\r\nSecond line\r\nThird line\r\n");
        memo->Lines()->SetObjects(0, &form);
    }

    tvtest::TempDir dir;
    TGnuGettextInstance gt;
    TTestControl form;
    TTestButton* button = new TTestButton(&form);
    TTestControl* label = new TTestControl(&form);
    TTestControl* memo = new TTestControl(&form);
};

} // namespace

TEST_F(ComponentTranslation, TranslatesTheTreeOnceAndLeavesNamesAndReadOnlyPropertiesAlone) {
    auto* item = static_cast<TTestItem*>(label->Items()->Add());
    item->SetTitle("Price");
    gt.TP_Ignore(&form, ".Hint");
    form.SetHint("Press here");
    gt.TranslateComponent(&form, "");
    EXPECT_EQ(form.Hint(), "Press here");

    EXPECT_EQ(form.Caption(), "Configuración");
    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(button->Name(), "Button1");
    // Reached as an owned component and through Label1's Buddy: translated once.
    EXPECT_EQ(button->Caption(), "Cerrar");
    EXPECT_EQ(button->captionWrites, 2);
    EXPECT_EQ(button->Hint(), "Pulse aquí");
    EXPECT_EQ(label->Caption(), "Cerrar");
    EXPECT_EQ(button->Version(), "Close");
    EXPECT_EQ(item->Title(), "Precio");
    ASSERT_EQ(memo->Lines()->Count(), 4);
    EXPECT_EQ(memo->Lines()->Text(), "Primera línea\r\n\r\nSecond line\r\nTercera línea\r\n");
    EXPECT_EQ(memo->Lines()->Objects(0), &form);
}

TEST_F(ComponentTranslation, WalksInTheGivenDomain) {
    gt.TranslateComponent(button, "cport");
    EXPECT_EQ(button->Caption(), "Cerrar puerto");
    EXPECT_EQ(button->Hint(), "Press here");
}

TEST_F(ComponentTranslation, IgnoreListsHoldForOneWalk) {
    gt.TP_Ignore(&form, "button1");
    gt.TP_Ignore(&form, ".Caption");
    gt.TP_Ignore(&form, "Label1.Hint");
    label->SetHint("Press here");
    gt.TranslateComponent(&form);
    EXPECT_EQ(form.Caption(), "Setup");
    // Left out as a component, but still reached through Label1's Buddy; the
    // window's ".Caption" does not follow it there.
    EXPECT_EQ(button->Caption(), "Cerrar");
    EXPECT_EQ(label->Caption(), "Cerrar");
    EXPECT_EQ(label->Hint(), "Press here");

    form.SetCaption("Setup");
    label->SetBuddy(nullptr);
    button->SetCaption("Close");
    label->SetHint("Press here");
    gt.TP_Ignore(&form, "Button1");
    gt.TranslateComponent(&form);
    EXPECT_EQ(button->Caption(), "Close");
    EXPECT_EQ(label->Hint(), "Pulse aquí");
    EXPECT_EQ(form.Caption(), "Configuración");

    gt.TranslateComponent(&form);
    EXPECT_EQ(button->Caption(), "Cerrar");
}

TEST_F(ComponentTranslation, ClassWideIgnoresReachDescendantsOnly) {
    gt.TP_GlobalIgnoreClassProperty(TTestControl::StaticClass(), "hint");
    gt.TP_GlobalIgnoreClassProperty(TTestButton::StaticClass(), "Caption");
    label->SetHint("Press here");
    gt.TranslateComponent(&form);
    EXPECT_EQ(button->Caption(), "Close");
    EXPECT_EQ(button->Hint(), "Press here");
    EXPECT_EQ(label->Caption(), "Cerrar");
    EXPECT_EQ(label->Hint(), "Press here");
    EXPECT_EQ(form.Caption(), "Configuración");
}

TEST_F(ComponentTranslation, AFailingPropertyEndsTheWalkWithAnExplanation) {
    label->SetFragile("Close");
    gt.TP_Ignore(&form, "Memo1");
    try {
        gt.TranslateComponent(&form);
        ADD_FAILURE() << "no error";
    } catch (const tv::Exception& e) {
        EXPECT_EQ(e.Message(),
                  "Property cannot be translated.\r\nUse TP_GlobalIgnoreClassProperty(TTestControl,Fragile) or\r\n"
                  "TP_Ignore (self,'.Fragile') to prevent this message.\r\nReason: the setter refused it");
    }
    EXPECT_EQ(form.Caption(), "Configuración");
    // The ignore list of the failed walk still holds.
    memo->Lines()->SetText("First line");
    label->SetFragile("");
    gt.TranslateComponent(&form);
    EXPECT_EQ(memo->Lines()->Text(), "First line\r\n");
}

TEST_F(ComponentTranslation, ARetranslatorPutsTheRecordedTextsBackAfterALanguageChange) {
    tv::TTP_Retranslator retranslator;
    retranslator.Translator = &gt;
    gt.SetRetranslator(&retranslator);
    label->SetBuddy(nullptr);
    gt.TP_Ignore(&form, "Button1");
    label->SetHint("Same");
    gt.TranslateComponent(&form);
    EXPECT_EQ(gt.Retranslator(), nullptr);
    EXPECT_EQ(retranslator.DomainName, "default");
    EXPECT_EQ(label->Caption(), "Cerrar");

    bool sawCaption = false, sawLines = false;
    for (const auto& item : retranslator.RecordedItems) {
        if (item->Target == label && item->TargetProperty == "Caption") {
            sawCaption = true;
            EXPECT_EQ(item->UntranslatedText, "Close");
        }
        if (item->Target == memo->Lines()) {
            sawLines = true;
            EXPECT_EQ(item->TargetProperty, "Text");
            EXPECT_EQ(item->UntranslatedText, "First line\r\n\r\nSecond line\r\nThird line\r\n");
        }
    }
    EXPECT_TRUE(sawCaption);
    EXPECT_TRUE(sawLines);

    gt.UseLanguage("de");
    const int writes = label->captionWrites;
    retranslator.Run();
    EXPECT_EQ(label->Caption(), "Schließen");
    EXPECT_EQ(label->Hint(), "Same");
    EXPECT_EQ(form.Caption(), "Setup");
    EXPECT_EQ(memo->Lines()->Text(), "Erste Zeile\r\n\r\nSecond line\r\nThird line\r\n");
    EXPECT_EQ(button->Caption(), "Close");  // never walked, never recorded

    gt.UseLanguage("C");
    retranslator.Run();
    EXPECT_EQ(label->Caption(), "Close");
    EXPECT_EQ(label->captionWrites, writes + 2);

    gt.UseLanguage("es");
    retranslator.Run();
    EXPECT_EQ(label->Caption(), "Cerrar");
    EXPECT_EQ(form.Caption(), "Configuración");
}

TEST_F(ComponentTranslation, ARetranslatorStaysAttachedAfterAFailedWalkAndReportsVanishedProperties) {
    tv::TTP_Retranslator retranslator;
    retranslator.Translator = &gt;
    retranslator.Run();  // nothing recorded, nothing done

    gt.SetRetranslator(&retranslator);
    label->SetFragile("Close");
    EXPECT_THROW(gt.TranslateComponent(&form, "default"), tv::Exception);
    EXPECT_EQ(gt.Retranslator(), &retranslator);
    const std::size_t recorded = retranslator.RecordedItems.size();
    label->SetFragile("");
    gt.TranslateComponent(button, "cport");
    EXPECT_EQ(retranslator.DomainName, "cport");
    EXPECT_GT(retranslator.RecordedItems.size(), recorded);
    EXPECT_EQ(gt.Retranslator(), nullptr);

    tv::TTP_Retranslator broken;
    broken.Translator = &gt;
    broken.DomainName = "default";
    broken.RecordProperty(label, "Caption", "Close");
    broken.RecordProperty(label, "NoSuchProperty", "Close");
    broken.RecordProperty(button, "Caption", "Close");
    button->SetCaption("unchanged");
    try {
        broken.Run();
        ADD_FAILURE() << "no error";
    } catch (const tv::Exception& e) {
        EXPECT_EQ(e.Message(), "Property disappeared...");
    }
    EXPECT_EQ(label->Caption(), "Cerrar");
    EXPECT_EQ(button->Caption(), "unchanged");
}
