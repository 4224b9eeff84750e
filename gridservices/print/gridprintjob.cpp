#include "gridservices/print/gridprintjob.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <optional>

#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/ui/application.h"
#include "framework/ui/metafile.h"
#include "framework/ui/screen.h"
#include "framework/data/field.h"
#include "grid/celltext.h"
#include "grid/dbgrideh.h"
#include "grid/headtreenode.h"
#include "core/streams.h"
#include "framework/ui/stdctrls/richedit.h"
#include "gridservices/footertotal.h"
#include "gridservices/print/printcelltext.h"
#include "platform/controls/richedit.h"
#include "platform/controls/richeditdoc.h"
#include "platform/window/queue.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"

namespace tv {

using namespace win;
using gridprint::DrawCellText;

namespace {

// Ends a job the target stopped: the pages made so far stay.
struct JobStopped {};

const char* const kMacroNames[] = {"&[Page]", "&[ShortDate]", "&[Date]", "&[LongDate]", "&[Time]", "&[Pages]"};
constexpr const char* kMapModeError = " function SetMapMode(Handle, MM_ISOTROPIC) has returned 0 ";

int MulDivInt(int a, int b, int c) { return c == 0 ? a : int(std::llround(double(a) * b / c)); }

std::string Lower(const std::string& s) { return AnsiLowerCase(s); }

} // namespace

TGridPrintJob::TGridPrintJob(TPrintDBGridEh* owner, TVirtualPrinter* target)
    : owner_(owner), target_(target), grid_(owner->DBGridEh()) {}

TGridPrintJob::~TGridPrintJob() = default;

void TGridPrintJob::ApplyPrintFont(TFont* font) {
    if (!owner_->PrintFontName().empty()) font->SetName(owner_->PrintFontName());
}

void TGridPrintJob::FillMacros(int pages) {
    TDateTime now = Now();
    macroValues_ = {std::to_string(page_), DateToStr(now), DateToStr(now),
                    FormatDateTime(FormatSettings.LongDateFormat, now), TimeToStr(now), std::to_string(pages)};
}

void TGridPrintJob::BuildPrintedColumns() {
    TDBGridEhSelection& sel = grid_->Selection();
    TColumnsEhList& visible = grid_->VisibleColumns();
    if (sel.SelectionType() == gstRectangle) {
        for (int i = 0; i < visible.Count(); ++i) {
            int index = visible.GetColumn(i)->Index();
            if (index >= sel.Rect().GetLeftCol() && index <= sel.Rect().GetRightCol()) columns_.Add(visible.GetColumn(i));
        }
    } else if (sel.SelectionType() == gstColumns) {
        for (int i = 0; i < sel.Columns().Count(); ++i) columns_.Add(sel.Columns().GetColumn(i));
    } else {
        for (int i = 0; i < visible.Count(); ++i) columns_.Add(visible.GetColumn(i));
    }
}

void TGridPrintJob::Run() {
    if (!grid_ || !grid_->DataSource() || !grid_->DataSource()->DataSet() || !grid_->DataSource()->DataSet()->Active())
        return;
    data_ = grid_->DataSource()->DataSet();
    page_ = 1;
    FillMacros(1);
    BuildPrintedColumns();
    footerValues_.assign(std::size_t(std::max(0, grid_->FooterRowCount())),
                         std::vector<Currency>(std::size_t(columns_.Count()), Currency(0)));
    target_->BeginDoc();
    // From here on the job is owed its end, whatever fails: a job left
    // printing keeps the preview from closing.
    TBookmark saved;
    bool beforeRaised = false;
    std::optional<TControlsOff> controlsOff;
    TCursor savedCursor = Screen ? Screen->Cursor() : crDefault;
    auto finish = [&](bool failed) -> std::exception_ptr {
        std::exception_ptr first;
        auto step = [&first](const std::function<void()>& f) {
            try {
                f();
            } catch (...) {
                if (!first) first = std::current_exception();
            }
        };
        if (Screen) Screen->SetCursor(savedCursor);
        scratchCanvas_.reset();
        if (beforeRaised) step([&] {
            if (owner_->OnAfterPrint) owner_->OnAfterPrint(owner_);
        });
        step([&] { RestoreTexts(); });
        step([&] {
            if (!saved.empty() && data_->BookmarkValid(saved)) data_->GotoBookmark(saved);
        });
        step([&] {
            if (controlsOff) controlsOff->Release();
        });
        step([&] {
            // A failed job is dropped, so it leaves no document behind (a blank
            // page on a queue); the preview keeps the pages it made, as on Stop.
            if (failed && target_->GetPrinting()) target_->Abort();
            if (target_->GetPrinting()) target_->EndDoc();
        });
        return first;
    };
    try {
        canvas_ = target_->GetCanvas();
        pageEmpty_ = true;
        saved = data_->GetBookmark();
        beforeRaised = true;
        if (owner_->OnBeforePrint) owner_->OnBeforePrint(owner_);
        dupParams_ = std::make_unique<TColCellParamsEh>();
        prevCellTexts_ = std::make_unique<TStringList>();
        Substitute();
        controlsOff.emplace(data_);
        data_->First();
        target_->SetTitle(LoadResString(STabularInformation));
        canvas_->Brush()->SetStyle(bsClear);
        canvas_->Brush()->SetColor(clWhite);
        canvas_->Font()->Assign(grid_->Font());
        ApplyPrintFont(canvas_->Font());
        ComputeGeometry();
        ComputeColumnWidths();
        if (owner_->Options().Contains(pghFitGridToPageWidth)) {
            total_ = lineWidth_;
            for (int w : fullWidths_) total_ += w;
            unscaledWidth_ = right_ - left_;
            SetMapping();
            if (fitting_) {
                left_ = MulDivInt(left_, total_, unscaledWidth_);
                right_ = MulDivInt(right_, total_, unscaledWidth_);
                top_ = MulDivInt(top_, total_, unscaledWidth_);
                bottom_ = MulDivInt(bottom_, total_, unscaledWidth_);
            }
        }
        SplitColumnGroups();
        PrepareCanvas();
        headerBox_ = {left_, top_, right_, top_};
        headerBox_.bottom = top_ + Colontitle(owner_->PageHeader(), headerBox_, true, true);
        top_ = headerBox_.bottom;
        footerBox_ = {left_, bottom_, right_, bottom_};
        footerBox_.top = bottom_ - Colontitle(owner_->PageFooter(), footerBox_, false, true);
        bottom_ = footerBox_.top;
        textArea_ = {left_, top_, right_, bottom_};
        ComputeRowHeight();
        if (grid_->UseMultiTitle())
            MeasureTitleTree();
        else
            titlesHeight_ = MeasureSimpleTitles();
        titleBlockHeight_ = MeasureTitleBlock();
        top_ += titlesHeight_ + titleBlockHeight_;
        if (HasPagesMacro()) {
            if (Screen) Screen->SetCursor(crHourGlass);
            scratch_ = std::make_unique<TMetafile>();
            scratchCanvas_ = std::make_unique<TMetafileCanvas>(scratch_.get(), target_->GetHandle());
            scratchCanvas_->Font()->SetPixelsPerInch(canvas_->Font()->PixelsPerInch());
            TCanvas* real = canvas_;
            canvas_ = scratchCanvas_.get();
            counting_ = true;
            PrepareCanvas();
            PageLoop();
            counting_ = false;
            canvas_ = real;
            scratchCanvas_.reset();
            if (Screen) Screen->SetCursor(savedCursor);
            int pages = page_;
            page_ = 1;
            FillMacros(pages);
            pageEmpty_ = true;
            offset_ = 0;
            data_->First();
            for (auto& row : footerValues_) std::fill(row.begin(), row.end(), Currency(0));
            prevCellTexts_->Clear();
        }
        DrawColontitles();
        PageLoop();
    } catch (const JobStopped&) {
    } catch (...) {
        finish(true); // the job's own failure is the one reported
        throw;
    }
    if (std::exception_ptr failed = finish(false)) std::rethrow_exception(failed);
}

void TGridPrintJob::ComputeGeometry() {
    HDC screen = grid_->HandleAllocated() ? grid_->Canvas()->Handle() : nullptr;
    if (screen) {
        screenX_ = GetDeviceCaps(screen, LOGPIXELSX);
        screenY_ = GetDeviceCaps(screen, LOGPIXELSY);
    } else {
        screenX_ = screenY_ = grid_->Font()->PixelsPerInch();
    }
    if (screenX_ <= 0) screenX_ = 96;
    if (screenY_ <= 0) screenY_ = 96;
    printerX_ = target_->GetPixelsPerInchX();
    printerY_ = target_->GetPixelsPerInchY();
    if (printerX_ <= 0) printerX_ = 600;
    if (printerY_ <= 0) printerY_ = 600;
    scaleX_ = double(std::max(screenX_, printerX_)) / std::min(screenX_, printerX_);
    scaleY_ = double(std::max(screenY_, printerY_)) / std::min(screenY_, printerY_);
    lineWidth_ = (printerX_ + printerY_) / 200;
    padding_ = int(std::lround(2 * scaleX_));
    cellInset_ = grid_->Flat() ? int(std::lround(scaleY_)) : int(std::lround(2 * scaleY_));
    titleInset_ = grid_->Flat() ? int(std::lround(scaleY_ / 2)) : int(std::lround(scaleY_));

    int borderX = (target_->GetFullPageWidth() - target_->GetPageWidth()) / 2;
    int borderY = (target_->GetFullPageHeight() - target_->GetPageHeight()) / 2;
    double divisor = owner_->Units() == MM ? 2.54 : 1.0;
    TPageParams* p = owner_->Page();
    left_ = int(std::lround(printerX_ * p->LeftMargin().ToDouble() / divisor)) - borderX;
    top_ = int(std::lround(printerY_ * p->TopMargin().ToDouble() / divisor)) - borderY;
    right_ = target_->GetPageWidth() + borderX - int(std::lround(printerX_ * p->RightMargin().ToDouble() / divisor));
    bottom_ =
        target_->GetPageHeight() + borderY - int(std::lround(printerY_ * p->BottomMargin().ToDouble() / divisor));
    // Margins wider than the paper would leave no room at all.
    if (right_ <= left_) right_ = left_ + 1;
    if (bottom_ <= top_) bottom_ = top_ + 1;
}

void TGridPrintJob::ComputeColumnWidths() {
    fullWidths_.clear();
    for (int i = 0; i < columns_.Count(); ++i)
        fullWidths_.push_back(int(std::lround((columns_.GetColumn(i)->Width() + 1) * scaleX_)));
    if (owner_->Options().Contains(pghOptimalColWidths)) MeasureOptimalWidths();
    TPrintDBGridEhOptions o = owner_->Options();
    if (o.Contains(pghFitGridToPageWidth) && o.Contains(pghFitingByColWidths) && !fullWidths_.empty()) {
        int sum = 0;
        for (int w : fullWidths_) sum += w;
        if (right_ - left_ < sum) {
            int available = right_ - left_ - lineWidth_;
            int newSum = 0;
            for (int& w : fullWidths_) {
                w = MulDivInt(w, available, sum);
                newSum += w;
            }
            if (newSum > available) fullWidths_.back() += available - newSum;
        }
    }
}

void TGridPrintJob::MeasureOptimalWidths() {
    TMetafile scratch;
    TMetafileCanvas measure(&scratch, target_->GetHandle());
    measure.Font()->SetPixelsPerInch(canvas_->Font()->PixelsPerInch());
    TCanvas* real = canvas_;
    canvas_ = &measure;
    auto need = [&](int i, int w) {
        fullWidths_[std::size_t(i)] = std::max(fullWidths_[std::size_t(i)], w + 2 * padding_);
    };
    for (int i = 0; i < columns_.Count(); ++i) {
        TColumnEh* col = columns_.GetColumn(i);
        fullWidths_[std::size_t(i)] = 10;
        TCustomImageList* images = grid_->TitleImages();
        if (images && col->Title()->ImageIndex() != -1) {
            need(i, int(images->Width() * scaleX_));
            continue;
        }
        std::string caption = col->Title()->Caption();
        if (grid_->UseMultiTitle()) caption = caption.substr(caption.rfind('|') == std::string::npos ? 0 : caption.rfind('|') + 1);
        canvas_->Font()->Assign(col->Title()->Font());
        ApplyPrintFont(canvas_->Font());
        need(i, gridprint::TextPixelWidth(canvas_, caption));
    }
    TCursor saved = Screen ? Screen->Cursor() : crDefault;
    if (Screen) Screen->SetCursor(crHourGlass);
    TPrintRowCursor cursor;
    StartCursor(cursor);
    TColCellParamsEh* params = owner_->CellParams();
    while (!cursor.Finished) {
        for (int i = 0; i < columns_.Count(); ++i) {
            TColumnEh* col = columns_.GetColumn(i);
            if (cursor.DataRow) {
                int kind = col->GetColumnType();
                if (kind == 4 && col->ImageList()) {
                    need(i, int(col->ImageList()->Width() * scaleX_));
                } else if (kind == 5) {
                    need(i, int(13 * scaleX_));
                } else {
                    canvas_->Font()->Assign(col->Font());
                    ApplyPrintFont(canvas_->Font());
                    col->FillColCellParams(params);
                    params->Background = clWhite;
                    params->Alignment = taLeftJustify;
                    params->ImageIndex = -1;
                    if (grid_->OnGetCellParams)
                        grid_->OnGetCellParams(grid_, col, canvas_->Font(), params->Background, params->State);
                    params->SetFont(canvas_->Font());
                    col->GetColCellParams(false, params);
                    canvas_->Font()->Assign(params->Font());
                    int w = gridprint::TextPixelWidth(canvas_, params->Text);
                    if (col->ImageList() && col->ShowImageAndText())
                        w += int(scaleX_ + scaleX_ * col->ImageList()->Width() + scaleX_ * 4);
                    need(i, w);
                }
            } else {
                int row = std::stoi(cursor.Position);
                TColumnFooterEh* footer = col->FooterForRow(row);
                std::string text = grid_->GetFooterValue(row, col);
                canvas_->Font()->Assign(footer ? footer->Font() : grid_->FooterFont());
                ApplyPrintFont(canvas_->Font());
                TColor background = clWhite;
                TAlignment alignment = taLeftJustify;
                if (grid_->OnGetFooterParams)
                    grid_->OnGetFooterParams(grid_, col->Index(), row, col, canvas_->Font(), background, alignment,
                                             TGridDrawState(), text);
                need(i, gridprint::TextPixelWidth(canvas_, text));
            }
        }
        Advance(cursor);
    }
    if (Screen) Screen->SetCursor(saved);
    data_->First();
    canvas_ = real;
}

void TGridPrintJob::SetMapping() {
    int width = unscaledWidth_;
    if (width >= total_) {
        fitting_ = false;
        return;
    }
    fitting_ = true;
    HDC dc = canvas_->Handle();
    if (!SetMapMode(dc, printerX_ == printerY_ ? MM_ISOTROPIC : MM_ANISOTROPIC)) throw Exception(kMapModeError);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, total_, int(double(total_) * printerX_ / printerY_), nullptr);
    SetViewportExtEx(dc, width, int(double(width) * printerX_ / printerY_), nullptr);
}

void TGridPrintJob::SplitColumnGroups() {
    groupEnds_.clear();
    widths_.assign(fullWidths_.size(), 0);
    int x = left_ + lineWidth_;
    for (std::size_t i = 0; i < fullWidths_.size(); ++i) {
        widths_[i] = std::min(fullWidths_[i], right_ - left_);
        x += widths_[i];
        if (x > right_ && i > 0) {
            groupEnds_.push_back(int(i) - 1);
            x = left_ + lineWidth_ + widths_[i];
        }
    }
    // Without columns one group of none still prints the titles' page.
    groupEnds_.push_back(int(fullWidths_.size()) - 1);
}

void TGridPrintJob::PrepareCanvas() {
    canvas_->Pen()->SetWidth(std::max(1, lineWidth_));
    canvas_->Pen()->SetColor(clBlack);
    canvas_->Brush()->SetStyle(bsClear);
    canvas_->Brush()->SetColor(clWhite);
    canvas_->Font()->Assign(grid_->Font());
    ApplyPrintFont(canvas_->Font());
    if (fitting_) SetMapping();
}

std::string TGridPrintJob::ReplaceMacros(const std::string& text) {
    macroValues_[0] = std::to_string(page_);
    std::string s = text;
    for (std::size_t m = 0; m < 6; ++m) {
        std::string name = kMacroNames[m], low = Lower(name), out;
        std::string lowText = Lower(s);
        std::size_t from = 0;
        for (;;) {
            std::size_t at = lowText.find(low, from);
            if (at == std::string::npos) break;
            out += s.substr(from, at - from);
            // "&&[Page]" prints the macro's name instead of its value.
            out += at > 0 && s[at - 1] == '&' ? name : macroValues_[m];
            from = at + name.size();
        }
        s = out + s.substr(from);
    }
    return s;
}

int TGridPrintJob::Colontitle(TPageColontitle* c, RECT box, bool header, bool measure) {
    canvas_->Font()->Assign(c->Font());
    ApplyPrintFont(canvas_->Font());
    bool rtl = grid_->IsRightToLeft();
    int height = 0;
    TStrings* texts[] = {c->LeftText(), c->CenterText(), c->RightText()};
    TAlignment aligns[] = {taLeftJustify, taCenter, taRightJustify};
    for (int i = 0; i < 3; ++i) {
        if (texts[i]->Count() == 0) continue;
        std::string text = ReplaceMacros(gridprint::JoinedLines(texts[i]));
        height = std::max(height, DrawCellText(canvas_, box, false, rtl, rtl, true, 0, 0, false, false, tlTop,
                                               aligns[i], text, 0, 0));
        if (!measure && !counting_)
            DrawCellText(canvas_, box, false, rtl, rtl, false, 0, 0, false, false, header ? tlTop : tlBottom,
                         aligns[i], text, 0, 0);
    }
    int y20 = printerY_ / 20, y30 = printerY_ / 30;
    if (height != 0) height += y20;
    if (c->LineType() != pcltNon) height += y20;
    if (c->LineType() == pcltDoubleLine) height += y30;
    if (!measure && !counting_ && c->LineType() != pcltNon) {
        canvas_->Pen()->SetColor(clBlack);
        auto line = [&](int y) {
            canvas_->MoveTo(box.left, y);
            canvas_->LineTo(box.right, y);
        };
        if (header) {
            line(box.bottom - y20);
            if (c->LineType() == pcltDoubleLine) line(box.bottom - y20 - y30);
        } else {
            line(box.top + y20);
            if (c->LineType() == pcltDoubleLine) line(box.top + y20 + y30);
        }
    }
    canvas_->Font()->Assign(grid_->Font());
    ApplyPrintFont(canvas_->Font());
    return height;
}

void TGridPrintJob::DrawColontitles() {
    if (counting_) return;
    Colontitle(owner_->PageHeader(), headerBox_, true, false);
    Colontitle(owner_->PageFooter(), footerBox_, false, false);
}

bool TGridPrintJob::HasPagesMacro() {
    for (TPageColontitle* c : {owner_->PageHeader(), owner_->PageFooter()})
        for (TStrings* t : {c->LeftText(), c->CenterText(), c->RightText()})
            if (t->Text().find("&[Pages]") != std::string::npos) return true;
    return false;
}

void TGridPrintJob::ComputeRowHeight() {
    canvas_->Font()->Assign(grid_->Font());
    ApplyPrintFont(canvas_->Font());
    gridprint::PrepareCanvas(canvas_, true, false, false);
    TEXTMETRIC tm;
    GetTextMetrics(canvas_->Handle(), &tm);
    int line = tm.tmHeight + tm.tmExternalLeading;
    if (grid_->RowHeight() > 0 || grid_->RowLines() > 0)
        minRowHeight_ = grid_->RowLines() * line + int(std::lround(grid_->RowHeight() * scaleY_));
    else
        minRowHeight_ = canvas_->TextHeight("Wg") + 2 * cellInset_;
    wrap_ = owner_->Options().Contains(pghRowAutoStretch) || minRowHeight_ > line + 2 * cellInset_;
}

int TGridPrintJob::MeasureSimpleTitles() {
    TFont* tallest = grid_->TitleFont();
    int best = -1;
    for (int i = 0; i < columns_.Count(); ++i) {
        canvas_->Font()->Assign(columns_.GetColumn(i)->Title()->Font());
        ApplyPrintFont(canvas_->Font());
        int h = canvas_->TextHeight("Wg");
        if (h > best) {
            best = h;
            tallest = columns_.GetColumn(i)->Title()->Font();
        }
    }
    canvas_->Font()->Assign(tallest);
    ApplyPrintFont(canvas_->Font());
    int height = canvas_->TextHeight("Wg") + 2 * cellInset_;
    if (grid_->TitleHeight() > 0 || grid_->TitleLines() > 0) {
        gridprint::PrepareCanvas(canvas_, true, false, false);
        TEXTMETRIC tm;
        GetTextMetrics(canvas_->Handle(), &tm);
        height = cellInset_ + grid_->TitleLines() * tm.tmHeight + tm.tmExternalLeading +
                 int(std::lround(grid_->TitleHeight() * scaleY_));
        if (grid_->Options().Contains(dgRowLines)) height += titleInset_;
    }
    canvas_->Font()->Assign(grid_->Font());
    ApplyPrintFont(canvas_->Font());
    return height;
}

namespace {

template <class F>
void ForChildren(THeadTreeNode* node, F f) {
    THeadTreeNode* child = node->FirstChild;
    if (!child) return;
    do {
        f(child);
        child = child->NextSibling;
    } while (child && child != node->FirstChild);
}

} // namespace

void TGridPrintJob::MeasureTitleTree() {
    THeadTreeNode* root = grid_->HeadTree();
    if (!root) {
        titlesHeight_ = MeasureSimpleTitles();
        return;
    }
    // Printed widths into the leaves, sums into their parents.
    std::function<int(THeadTreeNode*)> widths = [&](THeadTreeNode* node) -> int {
        if (!node->FirstChild) {
            int w = 0;
            for (int i = 0; i < columns_.Count(); ++i)
                if (node->Column == columns_.GetColumn(i)) w = widths_[std::size_t(i)];
            node->Width = w;
            return w;
        }
        int sum = 0;
        ForChildren(node, [&](THeadTreeNode* c) { sum += widths(c); });
        node->Width = sum;
        return sum;
    };
    widths(root);
    titlesHeight_ = MeasureTitleNode(root);
    root->Height = titlesHeight_;
}

// The height of the levels under the node; sets its children's heights.
int TGridPrintJob::MeasureTitleNode(THeadTreeNode* node) {
    if (!node->FirstChild) return 0;
    std::vector<std::pair<THeadTreeNode*, std::pair<int, int>>> kids;
    int level = 0;
    ForChildren(node, [&](THeadTreeNode* child) {
        bool leaf = !child->FirstChild;
        TFont* font = leaf && child->Column ? child->Column->Title()->Font() : grid_->TitleFont();
        canvas_->Font()->Assign(font);
        ApplyPrintFont(canvas_->Font());
        std::string caption = child->Text().empty() ? " " : child->Text();
        int caption_h;
        if (leaf && child->Column && child->Column->Title()->Orientation() == tohVertical) {
            caption_h = DrawVerticalCellText(canvas_, RECT{0, 0, 1, 1}, false, true, false, tlBottom, taLeftJustify,
                                             caption, 0, 0) +
                        int(std::lround(4 * scaleY_));
        } else {
            RECT r{0, 0, std::max(1, child->Width - int(std::lround(4 * scaleX_))), 0};
            gridprint::PrepareCanvas(canvas_, true, false, false);
            DrawText(canvas_->Handle(), caption, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            caption_h = (r.bottom - r.top) + int(std::lround(grid_->VTitleMargin() * scaleY_));
        }
        int sub = MeasureTitleNode(child);
        kids.push_back({child, {caption_h, sub}});
        level = std::max(level, caption_h + sub);
    });
    for (auto& k : kids) k.first->Height = k.first->FirstChild ? level - k.second.second : level;
    canvas_->Font()->Assign(grid_->Font());
    ApplyPrintFont(canvas_->Font());
    return level;
}

namespace {
TCustomRichEdit* RichEditOf(TStrings* list) {
    auto* rich = dynamic_cast<TRichEditStrings*>(list);
    return rich ? rich->RichEdit() : nullptr;
}
} // namespace

void TGridPrintJob::Substitute() {
    TStrings* ph = owner_->SubstitutionPlaceholders();
    if (!ph) return;
    TStrings* lists[] = {owner_->BeforeGridText(), owner_->AfterGridText()};
    for (int i = 0; i < 2; ++i) {
        if (lists[i]->Count() == 0) continue;
        TStringStream kept;
        lists[i]->SaveToStream(kept);
        savedTexts_[i] = kept.DataString();
        textSaved_[i] = true;
    }
    for (int p = 0; p < ph->Count(); ++p) {
        const std::string& placeholder = ph->Strings(p);
        const std::string& value = owner_->SubstitutionValues()->Strings(p);
        int placeholderLength = int(Utf8ToUtf32(placeholder).size());
        int valueLength = int(NormalizeRichText(Utf8ToUtf32(value)).size());
        for (int i = 0; i < 2; ++i) {
            TCustomRichEdit* edit = RichEditOf(lists[i]);
            if (!textSaved_[i] || !edit || placeholderLength == 0) continue;
            // The search goes on after each value put in, so a value that
            // holds its own placeholder is not replaced again.
            for (int from = 0;;) {
                int at = edit->FindText(placeholder, from, -1, {});
                if (at < 0) break;
                edit->SetSelStart(at);
                edit->SetSelLength(placeholderLength);
                edit->SetSelText(value);
                from = at + valueLength;
            }
        }
    }
}

void TGridPrintJob::RestoreTexts() {
    TStrings* lists[] = {owner_->BeforeGridText(), owner_->AfterGridText()};
    for (int i = 0; i < 2; ++i) {
        if (!textSaved_[i]) continue;
        textSaved_[i] = false;
        TStringStream kept(std::move(savedTexts_[i]));
        lists[i]->LoadFromStream(kept);
    }
}

void TGridPrintJob::RenderText(TStrings* list) {
    TCustomRichEdit* edit = RichEditOf(list);
    if (!edit || list->Count() == 0) return;
    HWND h = edit->Handle();
    GETTEXTLENGTHEX how;
    LRESULT length = SendMessage(h, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
    auto twipsX = [this](int v) { return LONG(std::lround(double(v) * 1440 / printerX_)); };
    auto twipsY = [this](int v) { return LONG(std::lround(double(v) * 1440 / printerY_)); };
    RECT page{twipsX(textArea_.left), twipsY(textArea_.top), twipsX(textArea_.right), twipsY(textArea_.bottom)};
    LRESULT at = 0;
    for (;;) {
        FORMATRANGE fr;
        fr.hdc = canvas_->Handle();
        fr.hdcTarget = target_->GetHandle() ? target_->GetHandle() : fr.hdc;
        fr.rcPage = page;
        fr.rc = page;
        fr.rc.top = twipsY(textArea_.top + offset_);
        fr.chrg = {LONG(at), -1};
        bool atPageTop = offset_ == 0;
        LRESULT next = SendMessage(h, EM_FORMATRANGE, counting_ ? 0 : 1, reinterpret_cast<LPARAM>(&fr));
        offset_ = std::max(offset_, int(std::lround(double(fr.rc.bottom) * printerY_ / 1440)) - textArea_.top);
        if (next < 0 || next >= length) break;
        if (next <= at && atPageTop) break; // nothing more would ever fit
        BeginNewPage();
        offset_ = 0;
        at = std::max(at, next);
    }
    SendMessage(h, EM_FORMATRANGE, 0, 0);
}

void TGridPrintJob::PageLoop() {
    offset_ = 0;
    firstBand_ = true;
    RenderText(owner_->BeforeGridText());
    if (offset_ >= bottom_ - top_) {
        BeginNewPage();
        offset_ = 0;
    }
    TPrintRowCursor cursor;
    StartCursor(cursor);
    for (;;) {
        TPrintRowCursor first = cursor;
        std::vector<int> heights;
        MeasureBand(cursor, top_ + offset_, heights, true);
        int used = PrintBand(first, heights);
        offset_ = used + lineWidth_;
        if (cursor.Finished) break;
        offset_ = 0;
        firstBand_ = false;
    }
    canvas_->Brush()->SetStyle(bsClear);
    canvas_->Brush()->SetColor(clWhite);
    RenderText(owner_->AfterGridText());
}

void TGridPrintJob::StartCursor(TPrintRowCursor& c) {
    c = {};
    data_->First();
    TDBGridEhSelection& sel = grid_->Selection();
    TBookmarkListEh& rows = sel.GetRows();
    bool records = sel.SelectionType() == gstRecordBookmarks;
    if (data_->Eof() || (records && rows.SelectedCount() == 0)) {
        c.DataRow = false;
        c.Position = "0";
        c.Finished = grid_->FooterRowCount() <= 0;
        return;
    }
    if (records) {
        int index;
        if (!rows.Find(data_->GetBookmark(), index)) data_->GotoBookmark(rows.GetItem(0));
    } else if (sel.SelectionType() == gstRectangle && !sel.Rect().GetTopRow().empty()) {
        data_->GotoBookmark(sel.Rect().GetTopRow());
    }
    c.DataRow = true;
    c.Position = data_->GetBookmark();
}

void TGridPrintJob::Advance(TPrintRowCursor& c) {
    if (c.Finished) return;
    if (c.DataRow) {
        TDBGridEhSelection& sel = grid_->Selection();
        TBookmarkListEh& rows = sel.GetRows();
        bool ended = false;
        if (sel.SelectionType() == gstRecordBookmarks) {
            int index;
            if (rows.Find(data_->GetBookmark(), index)) {
                if (index >= rows.SelectedCount() - 1)
                    ended = true;
                else
                    data_->GotoBookmark(rows.GetItem(index + 1));
            } else {
                data_->GotoBookmark(rows.GetItem(0));
            }
        } else {
            data_->Next();
            ended = data_->Eof() ||
                    (sel.SelectionType() == gstRectangle && !sel.Rect().GetBottomRow().empty() &&
                     data_->CompareBookmarks(data_->GetBookmark(), sel.Rect().GetBottomRow()) > 0);
        }
        if (!ended) {
            c.Position = data_->GetBookmark();
            return;
        }
        c.DataRow = false;
        c.Position = "0";
        c.Finished = grid_->FooterRowCount() <= 0;
        return;
    }
    int n = std::stoi(c.Position) + 1;
    if (n < grid_->FooterRowCount())
        c.Position = std::to_string(n);
    else
        c.Finished = true;
}

void TGridPrintJob::GoTo(const TPrintRowCursor& c) {
    if (c.DataRow && !c.Finished) data_->GotoBookmark(c.Position);
}

int TGridPrintJob::MeasureBand(TPrintRowCursor& cursor, int y, std::vector<int>& heights, bool accumulate) {
    GoTo(cursor);
    int start = y;
    while (!cursor.Finished) {
        int h = minRowHeight_;
        for (int i = 0; i < columns_.Count(); ++i) {
            RECT box{0, 0, widths_[std::size_t(i)], 0};
            h = std::max(h, Cell(box, i, cursor, int(heights.size()), true));
        }
        if (y + h > bottom_) {
            if (!heights.empty()) break;
            // A row taller than a whole page is cut at the page's bottom.
            h = std::max(1, bottom_ - y);
        }
        if (cursor.DataRow && accumulate) {
            for (std::size_t f = 0; f < footerValues_.size(); ++f)
                for (int i = 0; i < columns_.Count(); ++i) {
                    TColumnEh* col = columns_.GetColumn(i);
                    TColumnFooterEh* footer = col->FooterForRow(int(f));
                    if (!footer) continue;
                    std::string name = footer->FieldName().empty() ? col->FieldName() : footer->FieldName();
                    TField* field = name.empty() ? nullptr : data_->FindField(name);
                    if (!field) continue;
                    Currency& total = footerValues_[f][std::size_t(i)];
                    if (footer->ValueType() == fvtSum) {
                        std::int64_t raw = total.Raw();
                        AddToFooterTotal(raw, field, col);
                        total = Currency::FromRaw(raw);
                    } else if (footer->ValueType() == fvtCount) {
                        total += Currency(1);
                    }
                }
        }
        heights.push_back(h);
        y += h;
        Advance(cursor);
    }
    return y - start;
}

RECT TGridPrintJob::Mirror(RECT r) const {
    if (!grid_->IsRightToLeft()) return r;
    return {left_ + right_ - r.right, r.top, left_ + right_ - r.left, r.bottom};
}

void TGridPrintJob::AddLine(std::vector<POINT> pts) {
    for (POINT p : pts) linePoints_.push_back(p);
    lineCounts_.push_back(DWORD(pts.size()));
}

int TGridPrintJob::PrintBand(const TPrintRowCursor& first, const std::vector<int>& heights) {
    int rowsBottom = top_ + offset_;
    int firstCol = 0;
    bool rtl = grid_->IsRightToLeft();
    for (int lastCol : groupEnds_) {
        if (target_->GetAborted()) throw JobStopped{};
        if (pageEmpty_)
            pageEmpty_ = false;
        else
            BeginNewPage();
        TPrintRowCursor cursor = first;
        GoTo(cursor);
        linePoints_.clear();
        lineCounts_.clear();
        int rowsTop = top_ + offset_;
        DrawTitles(firstCol, lastCol, rowsTop);
        int y = rowsTop;
        for (std::size_t r = 0; r < heights.size(); ++r) {
            int x = left_;
            for (int i = firstCol; i <= lastCol; ++i) {
                int w = widths_[std::size_t(i)];
                RECT box = Mirror({x, y, x + w, y + heights[r]});
                Cell(box, i, cursor, int(r), false);
                bool edge = rtl ? i == lastCol : i == firstCol;
                if (edge)
                    AddLine({{box.left, box.top}, {box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}});
                else
                    AddLine({{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}});
                if (!counting_) Application->ProcessMessages();
                x += w;
            }
            y += heights[r];
            Advance(cursor);
        }
        if (!counting_ && !lineCounts_.empty()) {
            canvas_->Pen()->SetColor(clBlack);
            canvas_->Pen()->SetWidth(std::max(1, lineWidth_));
            gridprint::PrepareCanvas(canvas_, false, true, false);
            PolyPolyline(canvas_->Handle(), linePoints_.data(), lineCounts_.data(), DWORD(lineCounts_.size()));
        }
        rowsBottom = y;
        firstCol = lastCol + 1;
    }
    return rowsBottom - textArea_.top;
}

void TGridPrintJob::BeginNewPage() {
    ++page_;
    if (counting_) {
        PrepareCanvas();
        return;
    }
    target_->NewPage();
    canvas_ = target_->GetCanvas();
    PrepareCanvas();
    DrawColontitles();
}

} // namespace tv
