// Icons: read from real icon files and from stored form definitions, drawn
// through a canvas, held by pictures, forms and the application.
#include <memory>

#include "uifixture.h"
#include "core/exceptions.h"
#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/streams.h"
#include "core/object.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/icon.h"
#include "framework/ui/picture.h"
#include "platform/picture/icon.h"
#include "platform/picture/picturefile.h"
#include "platform/window/cursor.h"
#include "support/tempdir.h"

using namespace tv;
using namespace tv::win;
using namespace tvtest;

namespace {

IconImage Square(int size, std::uint32_t argb) {
    IconImage img;
    img.width = img.height = size;
    img.argb.assign(std::size_t(size) * size, argb);
    img.argb[0] = 0; // the top-left corner is clear
    return img;
}

// A red 16 x 16 image and a blue 32 x 32 one.
std::string TwoSizes() {
    std::vector<BYTE> bytes = WriteIconFile({Square(16, 0xFFFF0000u), Square(32, 0xFF0000FFu)});
    return std::string(bytes.begin(), bytes.end());
}

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

class TIconForm : public TForm {
    TV_CLASS(TIconForm, TForm)
public:
    using TForm::TForm;
};

} // namespace

TEST_F(UiTest, AnIconKeepsItsImagesAndDrawsTheNearestSize) {
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    std::string file = TwoSizes();
    icon.LoadFromBytes(file);
    ASSERT_EQ(icon.Images().size(), 2u);
    EXPECT_EQ(icon.Width(), 32) << "the system's icon size";
    EXPECT_EQ(icon.Height(), 32);
    EXPECT_EQ(icon.SaveToBytes(), file) << "written back as it was read";
    ASSERT_NE(icon.Handle(), nullptr);
    EXPECT_EQ(icon.Handle()->width, 32);

    TBitmap bmp;
    bmp.SetPixelFormat(pf24bit);
    bmp.SetSize(60, 40);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetColor(clLime);
    c->FillRect({0, 0, 60, 40});
    c->Draw(0, 0, &icon);
    EXPECT_EQ(c->Pixels(5, 5), RGB(0, 0, 255));
    EXPECT_EQ(c->Pixels(0, 0), RGB(0, 255, 0)) << "the clear corner shows what is under it";
    c->StretchDraw({40, 0, 56, 16}, &icon);
    EXPECT_EQ(c->Pixels(45, 5), RGB(255, 0, 0)) << "the 16-pixel image, not the large one shrunk";
    EXPECT_EQ(c->Pixels(40, 0), RGB(0, 255, 0));

    // A bad file leaves the icon as it was.
    EXPECT_THROW(icon.LoadFromBytes("no es un icono"), EInvalidGraphic);
    EXPECT_EQ(icon.Images().size(), 2u);
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(copy.SaveToBytes(), file);
    EXPECT_EQ(copy.Width(), 32);
}

TEST_F(UiTest, APictureLoadsAnIconFileAsAnIconAndStoresItAsOne) {
    TempDir dir;
    std::string path = dir.file("caja.ico");
    std::string file = TwoSizes();
    {
        TIcon icon;
        icon.LoadFromBytes(file);
        icon.SaveToFile(path);
    }
    TForm* form = new TForm(nullptr);
    form->SetName("IconForm");
    auto* image = new TImage(form);
    image->SetName("Image1");
    image->SetParent(form);
    image->Picture()->LoadFromFile(path);
    auto* icon = dynamic_cast<TIcon*>(image->Picture()->Graphic());
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(image->Picture()->Width(), 32);

    std::string written = WriteComponentText(form);
    EXPECT_NE(written.find("Picture.Data = {"), std::string::npos);
    TForm again(nullptr);
    ReadComponentText(written, &again);
    auto* back = dynamic_cast<TImage*>(again.FindComponent("Image1"));
    ASSERT_NE(back, nullptr);
    auto* backIcon = dynamic_cast<TIcon*>(back->Picture()->Graphic());
    ASSERT_NE(backIcon, nullptr) << written;
    EXPECT_EQ(backIcon->SaveToBytes(), file);
    delete form;

    // Any other picture stays a bitmap; a damaged icon file is refused and
    // the picture keeps what it had.
    TPicture pic;
    TBitmap red;
    red.SetSize(4, 4);
    std::string bmpPath = dir.file("rojo.bmp");
    red.SaveToFile(bmpPath);
    pic.LoadFromFile(bmpPath);
    EXPECT_NE(dynamic_cast<TBitmap*>(pic.Graphic()), nullptr);
    std::string broken = dir.file("roto.ico");
    {
        std::vector<BYTE> cut(file.begin(), file.begin() + 30);
        TFileStream f(broken, fmCreate);
        f.WriteString(std::string(cut.begin(), cut.end()));
    }
    EXPECT_THROW(pic.LoadFromFile(broken), EInvalidGraphic);
    EXPECT_NE(dynamic_cast<TBitmap*>(pic.Graphic()), nullptr);
    EXPECT_EQ(pic.Width(), 4);
}

TEST_F(UiTest, FormAndApplicationIconsComeFromStoredData) {
    std::string file = TwoSizes();
    Define("TIconForm", "object IconForm: TIconForm\n  Caption = 'Caja'\n  Icon.Data = {" + Hex(file) + "}\nend\n");
    std::unique_ptr<TIconForm> form(NewForm<TIconForm>(nullptr));
    TIcon* icon = form->Icon();
    ASSERT_FALSE(icon->Empty());
    EXPECT_EQ(icon->Images().size(), 2u);
    EXPECT_EQ(icon->Width(), 32);
    std::string written = WriteComponentText(form.get());
    EXPECT_NE(written.find("Icon.Data = {"), std::string::npos);
    TIconForm again(nullptr);
    ReadComponentText(written, &again);
    EXPECT_EQ(again.Icon()->SaveToBytes(), file);

    // A form without an icon stores none.
    Define("TIconForm", "object IconForm: TIconForm\n  Caption = 'Sin icono'\nend\n");
    std::unique_ptr<TIconForm> plain(NewForm<TIconForm>(nullptr));
    EXPECT_TRUE(plain->Icon()->Empty());
    EXPECT_EQ(WriteComponentText(plain.get()).find("Icon.Data"), std::string::npos);

    Application->SetIcon(form->Icon());
    EXPECT_EQ(Application->Icon()->Width(), 32);
    EXPECT_EQ(Application->Icon()->SaveToBytes(), file);
}
