// The field data link, bound and unbound, and the editor image settings.
#include <gtest/gtest.h>

#include <memory>

#include "editorfixture.h"
#include "editors/dbedit.h"
#include "editors/editimage.h"
#include "editors/fielddatalink.h"
#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/imagelist.h"

namespace tvtest {
namespace {

using namespace tv;

class FieldDataLink : public ::testing::Test {
protected:
    void SetUp() override {
        data = std::make_unique<TClientDataSet>(nullptr);
        data->FieldDefs().Add("A", ftInteger);
        data->FieldDefs().Add("B", ftString, 20);
        data->FieldDefs().Add("NOTA", ftMemo);
        data->CreateDataSet();
        data->Append();
        data->FieldByName("A")->SetAsInteger(1);
        data->FieldByName("B")->SetAsString("uno");
        data->Post();
        source = std::make_unique<TDataSource>(nullptr);
        source->SetDataSet(data.get());
        link.OnDataChange = [this](TObject*) { ++dataChanges; };
        link.OnEditingChange = [this](TObject*) { ++editingChanges; };
        link.OnUpdateData = [this](TObject*) { ++updates; };
    }
    void TearDown() override { link.AssignDataSource(nullptr); }
    std::unique_ptr<TClientDataSet> data;
    std::unique_ptr<TDataSource> source;
    TFieldDataLinkEh link;
    int dataChanges = 0, editingChanges = 0, updates = 0;
};

TEST_F(FieldDataLink, AnUnboundLinkHoldsItsOwnValue) {
    EXPECT_TRUE(link.DataIndependent());
    EXPECT_TRUE(link.IsLinkActive());
    EXPECT_TRUE(link.CanModify());
    EXPECT_TRUE(link.UnboundValue().IsNull());
    link.MarkModified();
    link.SetText("hola");
    EXPECT_EQ(link.UnboundValue().AsString(), "hola");
    EXPECT_EQ(dataChanges, 1);
    EXPECT_FALSE(link.Modified());
    link.SetValue(Variant(5));
    EXPECT_EQ(link.UnboundValue().AsInteger(), 5);
    // Editing and posting without the data set.
    EXPECT_TRUE(link.BeginFieldEdit());
    EXPECT_EQ(editingChanges, 1);
    link.UpdateRecord();
    EXPECT_EQ(updates, 0); // nothing was modified
    EXPECT_FALSE(link.Editing());
    link.BeginFieldEdit();
    link.MarkModified();
    link.UpdateRecord();
    EXPECT_EQ(updates, 1);
    // A read-only unbound link does not start editing.
    TFieldDataLinkEh ro;
    int fired = 0;
    ro.OnEditingChange = [&](TObject*) { ++fired; };
    ro.SetReadOnly(true);
    EXPECT_FALSE(ro.BeginFieldEdit());
    EXPECT_EQ(fired, 0);
}

TEST_F(FieldDataLink, BindingAndUnbindingAgain) {
    link.AssignDataSource(source.get());
    EXPECT_FALSE(link.DataIndependent());
    EXPECT_FALSE(link.IsLinkActive()); // no field yet
    link.AssignFieldName("B");
    EXPECT_EQ(link.FirstField(), data->FieldByName("B"));
    EXPECT_TRUE(link.IsLinkActive());
    EXPECT_TRUE(link.IsDataSetOpen());
    EXPECT_THROW(link.SetValue(Variant("x")), Exception); // the data set is not being edited
    dataChanges = 0;
    link.AssignFieldName("");
    link.AssignDataSource(nullptr);
    EXPECT_TRUE(link.DataIndependent());
    EXPECT_TRUE(link.UnboundValue().IsNull());
    EXPECT_GT(dataChanges, 0);
}

TEST_F(FieldDataLink, WritesOneFieldOrSeveral) {
    link.AssignDataSource(source.get());
    link.AllowSeveralFields(true);
    link.AssignFieldName("A;B");
    ASSERT_EQ(link.FieldsCount(), 2);
    EXPECT_TRUE(link.BeginFieldEdit());
    EXPECT_EQ(data->State(), dsEdit);
    link.SetValue(VarArrayOf({7, "siete"}));
    EXPECT_EQ(data->FieldByName("A")->AsInteger(), 7);
    EXPECT_EQ(data->FieldByName("B")->AsString(), "siete");
    link.SetValue(Null());
    EXPECT_TRUE(data->FieldByName("A")->IsNull());
    EXPECT_TRUE(data->FieldByName("B")->IsNull());
    EXPECT_THROW(link.SetValue(Variant(3)), Exception);
    data->Cancel();
    // An unknown name in the list names the missing field.
    auto* owner = new TPanel(nullptr);
    owner->SetName("Editor1");
    link.SetControl(owner);
    try {
        link.AssignFieldName("A;X");
        FAIL();
    } catch (Exception& e) {
        EXPECT_NE(e.Message().find("Campo 'X' no encontrado"), std::string::npos) << e.Message();
    }
    link.SetControl(nullptr);
    delete owner;
}

TEST_F(FieldDataLink, OnlyChangesOfItsOwnFieldsAreReported) {
    link.AssignDataSource(source.get());
    link.AssignFieldName("B");
    data->Edit();
    dataChanges = 0;
    data->FieldByName("A")->SetAsInteger(9);
    EXPECT_EQ(dataChanges, 0);
    data->FieldByName("B")->SetAsString("nueve");
    EXPECT_EQ(dataChanges, 1);
    // The memo takes the text as it stands; other fields through their text.
    link.AssignFieldName("NOTA");
    link.SetText("línea 1\r\nlínea 2");
    EXPECT_EQ(data->FieldByName("NOTA")->AsString(), "línea 1\r\nlínea 2");
    link.AssignFieldName("A");
    link.SetText("42");
    EXPECT_EQ(data->FieldByName("A")->AsInteger(), 42);
    data->Cancel();
}

class EditorField : public EditorTest {};

// An editor bound to a field its data set lacks names itself in the error,
// and keeps the field it had.
TEST_F(EditorField, AnUnknownFieldNamesTheEditor) {
    auto* data = new TClientDataSet(form);
    data->SetName("Articulos");
    data->FieldDefs().Add("CODIGO", ftInteger);
    data->CreateDataSet();
    auto* source = new TDataSource(form);
    source->SetDataSet(data);
    auto* editor = new TDBEditEh(form);
    editor->SetName("EditorX");
    editor->SetParent(form);
    editor->SetDataSource(source);
    editor->SetDataField("CODIGO");
    try {
        editor->SetDataField("NOPE");
        ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "EditorX: Field 'NOPE' not found");
    }
    EXPECT_EQ(editor->DataLink()->FirstField(), data->FieldByName("CODIGO"));
}

class EditImage : public EditorTest {};

TEST_F(EditImage, SettingsReachTheEditorOnlyWhenTheyChange) {
    struct TImageEditor : TPanel {
        using TPanel::TPanel;
        void Dispatch(Message& msg) override {
            if (msg.Msg == WM_EDITIMAGECHANGED_EH) ++notices;
            TPanel::Dispatch(msg);
        }
        int notices = 0;
    };
    auto* editor = new TImageEditor(form);
    TEditImageEh image(editor);
    EXPECT_EQ(image.ImageIndex(), -1);
    EXPECT_TRUE(image.UseImageHeight());
    image.SetVisible(false);
    image.SetWidth(0);
    image.SetImageIndex(-1);
    EXPECT_EQ(editor->notices, 0);
    image.SetVisible(true);
    image.SetWidth(16);
    auto* list = new TImageList(form);
    image.SetImages(list);
    EXPECT_EQ(editor->notices, 3);
    image.SetImageIndex(2);
    EXPECT_EQ(editor->notices, 3);

    TEditImageEh other(nullptr);
    other.SetUseImageHeight(false);
    other.Assign(&image);
    EXPECT_EQ(other.Images(), list);
    EXPECT_EQ(other.ImageIndex(), 2);
    EXPECT_TRUE(other.Visible());
    EXPECT_EQ(other.Width(), 16);
    EXPECT_FALSE(other.UseImageHeight());
    TPanel notAnImage(nullptr);
    EXPECT_THROW(other.Assign(&notAnImage), Exception);
}

} // namespace
} // namespace tvtest
