// The form interceptor: what it reads of a live form, and the stored bounds
// it applies scaled to the screen when reading ends.
#include "framework/ui/forms.h"
#include "framework/ui/screen.h"
#include "gridservices/propertyinterceptors.h"
#include "platform/gdi/dc.h"
#include "previewfixture.h"

namespace tvtest {
namespace {

using namespace tv;

using FormInterceptorTest = PreviewTest;

TEST_F(FormInterceptorTest, ReadsTheFormsBoundsAsTheyAreNow) {
    TForm form(nullptr);
    form.SetBounds(10, 20, 300, 200);
    TFormStoragePropertyInterceptor i;
    i.Create(&form);
    form.SetBounds(40, 50, 320, 240);
    EXPECT_EQ(i.Left(), 40);
    EXPECT_EQ(i.Top(), 50);
    EXPECT_EQ(i.Width(), 320);
    EXPECT_EQ(i.Height(), 240);

    TFormStoragePropertyInterceptor none;
    none.Create(nullptr);
    EXPECT_EQ(none.Left(), 0);
    EXPECT_EQ(none.Width(), 0);
}

TEST_F(FormInterceptorTest, StoredBoundsGrowWithTheScreensResolution) {
    int was = tv::win::ScreenPixelsPerInch();
    tv::win::SetScreenPixelsPerInch(120);
    TForm form(nullptr);
    TFormStoragePropertyInterceptor i;
    i.Create(&form);
    i.SetPixelsPerInch(96);
    i.SetLeft(80);
    i.SetTop(40);
    i.SetWidth(400);
    i.SetHeight(200);
    i.AfterPropertiesRead();
    tv::win::SetScreenPixelsPerInch(was);
    EXPECT_EQ(form.Left(), 100);
    EXPECT_EQ(form.Top(), 50);
    EXPECT_EQ(form.Width(), 500);
    EXPECT_EQ(form.Height(), 250);
}

} // namespace
} // namespace tvtest
