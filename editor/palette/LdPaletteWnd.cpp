#include "editor/palette/LdPaletteWnd.h"

#include "editor/document/DocStrings.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/document/StringDlg.h"
#include "editor/palette/CustomImage.h"
#include "editor/palette/PaletteCommands.h"
#include "editor/palette/PaletteMenus.h"
#include "editor/palette/PalettePreview.h"
#include "editor/ui/ChooseStringDlg.h"
#include "editor/ui/SysColor.h"
#include "editor/helpdlg/SystemFont.h"
#include "editor/ui/TexturedBackground.h"
#include "editor/view/Lodo40View.h"
#include "framework/Dialog.h"
#include "framework/EventGuard.h"
#include "framework/MenuResource.h"
#include "framework/MessageBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <filesystem>
#include <map>

namespace {

// A packed 24-bit DIB (header and bottom-up rows) as an image.
QImage DibImage(const std::vector<uint8_t>& dib)
{
    if (dib.size() < 40)
        return {};
    auto field = [&](size_t at) {
        return int32_t(uint32_t(dib[at]) | uint32_t(dib[at + 1]) << 8 | uint32_t(dib[at + 2]) << 16 |
                       uint32_t(dib[at + 3]) << 24);
    };
    const int32_t w = field(4), h = field(8);
    const size_t stride = (size_t(std::max(w, 0)) * 3 + 3) / 4 * 4;
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096 || dib.size() < 40 + stride * size_t(h))
        return {};
    QImage image(w, h, QImage::Format_RGB32);
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* row = dib.data() + 40 + stride * size_t(h - 1 - y);
        for (int32_t x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
    }
    return image;
}

} // namespace

CLdPaletteWnd::CLdPaletteWnd(CLdPaletteLayout& layout, CLdPaletteHost& host, QWidget* parent)
    : QWidget(parent), layout_(layout), host_(host)
{
    setObjectName("PalWnd");
    setFocusPolicy(Qt::ClickFocus);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setSingleStep(1);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        backgroundOrigin_.setY(-value);
        update();
    });
    UpdateScrollRange();
}

int CLdPaletteWnd::ScrollPosition() const { return scrollBar_->value(); }

int CLdPaletteWnd::GridWidth() const { return width() - scrollBar_->sizeHint().width(); }

CLdPaletteLayout::Pane* CLdPaletteWnd::Pane()
{
    auto& panes = layout_.Panes();
    return currentPane_ >= 0 && currentPane_ < int(panes.size()) ? &panes[size_t(currentPane_)] : nullptr;
}

CLdPaletteItem* CLdPaletteWnd::Selected()
{
    CLdPaletteLayout::Pane* pane = Pane();
    return pane && selectedItem_ >= 0 && selectedItem_ < int(pane->size()) ? (*pane)[size_t(selectedItem_)].get()
                                                                            : nullptr;
}

void CLdPaletteWnd::SelectPane(int pane)
{
    if (pane == currentPane_)
        return;
    currentPane_ = pane;
    selectedItem_ = -1;
    scrollBar_->setValue(0);
    UpdateScrollRange();
    update();
}

void CLdPaletteWnd::SelectItem(int item)
{
    if (item != selectedItem_) {
        selectedItem_ = item;
        update();
    }
}

void CLdPaletteWnd::UpdateScrollRange()
{
    CLdPaletteLayout::Pane* pane = Pane();
    if (!pane || pane->empty())
        return;
    const int total = grid_.ScrollTotal(int(pane->size()), GridWidth());
    scrollBar_->setRange(0, total);
    scrollBar_->setPageStep(std::max(total / 10, 1));
}

void CLdPaletteWnd::resizeEvent(QResizeEvent*)
{
    const int bar = scrollBar_->sizeHint().width();
    scrollBar_->setGeometry(width() - bar, 0, bar, height());
    scrollBar_->setValue(0);
    UpdateScrollRange();
    update();
}

void CLdPaletteWnd::paintEvent(QPaintEvent* event)
{
    fw::GuardedCall([&] {
        QPainter painter(this);
        PaintTexturedBackground(this, painter, event->rect(), backgroundOrigin_);
        CLdPaletteLayout::Pane* pane = Pane();
        if (!pane)
            return;
        CLdLogFont small = LdPointFont(72, "Small Fonts");
        painter.setFont(LdMakeFont(small));
        const int scroll = ScrollPosition();
        for (size_t i = 0; i < pane->size(); ++i) {
            const CLdPaletteItem& item = *(*pane)[i];
            const QRect r = grid_.CellRect(int(i), GridWidth()).translated(0, -scroll).adjusted(2, 2, -2, -2);
            painter.fillRect(r, LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
            LdDrawEdge(painter, r, int(i) == selectedItem_ ? LD_EDGE_RAISED : LD_EDGE_BUMP);
            const QImage preview = DibImage(item.Image());
            if (!preview.isNull())
                painter.drawImage(QPoint((r.right() + 1 - preview.width() - r.left()) / 2 + r.left(), r.top() + 3),
                                  preview);
            // A tool this program cannot run is shown greyed.
            painter.setPen(LdQColor(LdGetSysColor(item.CanApply() ? LD_COLOR_BTNTEXT : LD_COLOR_GRAYTEXT)));
            painter.drawText(r.adjusted(0, 0, 0, -4), Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine |
                                                          Qt::TextDontClip,
                             QString::fromStdString(item.Name()));
        }
    });
}

void CLdPaletteWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (pickingImage_) {
        pickingImage_ = false;
        releaseMouse();
        unsetCursor();
        for (QWidget* w = QApplication::widgetAt(event->globalPosition().toPoint()); w; w = w->parentWidget())
            if (auto* view = dynamic_cast<CLodo40View*>(w)) {
                if (CLodo40Doc* doc = view->GetDocument())
                    fw::GuardedCall([&] { UseImageOf(*doc); });
                break;
            }
        return;
    }
    setFocus();
    CLdPaletteLayout::Pane* pane = Pane();
    const QPoint p = event->position().toPoint();
    SelectItem(pane ? grid_.HitTest(p, ScrollPosition(), int(pane->size()), GridWidth()) : -1);
}

void CLdPaletteWnd::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && selectedItem_ != -1 && host_.ActiveDocument())
        fw::GuardedCall([&] { Apply(); });
}

void CLdPaletteWnd::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        if (Selected() && OnLastPane())
            DeleteSelected();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CLdPaletteWnd::wheelEvent(QWheelEvent* event) { scrollBar_->event(event); }

void CLdPaletteWnd::contextMenuEvent(QContextMenuEvent* event)
{
    fw::GuardedCall([&] {
        setFocus();
        CLdPaletteLayout::Pane* pane = Pane();
        const int hit = pane ? grid_.HitTest(event->pos(), ScrollPosition(), int(pane->size()), GridWidth()) : -1;
        if (hit != -1)
            SelectItem(hit);
        LdPaletteMenuState state;
        state.onTool = hit != -1;
        state.lastPane = OnLastPane();
        state.hasDocument = host_.ActiveDocument() != nullptr;
        if (CLdPaletteItem* item = hit != -1 ? Selected() : nullptr) {
            state.canCustomize = item->CanCustomize();
            state.canApply = item->CanApply();
        }
        QMenu menu(this);
        for (const LdPaletteMenuEntry& entry : LdPaletteMenu(fw::LoadMenuTemplate(IDR_PALETTE_POPUPS), state)) {
            if (entry.id == 0) {
                menu.addSeparator();
                continue;
            }
            QAction* action = menu.addAction(QString::fromStdString(entry.text));
            action->setEnabled(entry.enabled);
            const uint32_t id = entry.id;
            connect(action, &QAction::triggered, this, [this, id] { fw::GuardedCall([&] { OnCommand(id); }); });
        }
        menu.exec(event->globalPos());
    });
}

void CLdPaletteWnd::OnCommand(uint32_t id)
{
    switch (id) {
    case ID_PALETTE_APPLY: Apply(); break;
    case ID_PALETTE_CUSTOMIZE: Customize(); break;
    case ID_PALETTE_RENAME: Rename(); break;
    case ID_PALETTE_DELETE_TOOL: DeleteSelected(); break;
    case ID_PALETTE_ADD_TOOL: AddTool(); break;
    case ID_PALETTE_NEW_IMAGE: PickImage(); break;
    case ID_PALETTE_DEFAULT_IMAGE: UseDefaultImage(); break;
    default: break;
    }
}

void CLdPaletteWnd::Apply()
{
    CLdPaletteItem* item = Selected();
    CLodo40Doc* doc = host_.ActiveDocument();
    if (item && doc)
        doc->ApplyPaletteItem(*item);
}

void CLdPaletteWnd::Rename()
{
    CLdPaletteItem* item = Selected();
    if (!item)
        return;
    CStringDlg dialog(this);
    dialog.m_text = item->Name();
    if (dialog.DoModal() == fw::IDOK) {
        item->SetName(dialog.m_text);
        update();
    }
}

void CLdPaletteWnd::DeleteSelected()
{
    CLdPaletteLayout::Pane* pane = Pane();
    if (!pane || !Selected())
        return;
    pane->erase(pane->begin() + selectedItem_);
    selectedItem_ = -1;
    UpdateScrollRange();
    update();
}

void CLdPaletteWnd::AddTool()
{
    CChooseStringDlg dialog(this);
    // A later command with the same name takes its place in the table.
    std::map<std::string, uint32_t> commands;
    for (const LdPaletteEffect& effect : LdPaletteEffects()) {
        const std::string name = LdPaletteItemName(effect.menuText);
        dialog.AddString(name);
        commands[name] = effect.commandId;
    }
    if (dialog.DoModal() != fw::IDOK)
        return;
    const auto found = commands.find(dialog.selection);
    if (found == commands.end() || !Pane())
        return;
    CLdPaletteItem& added =
        layout_.AddEffectItem(size_t(currentPane_), found->second, host_.Background(), host_.Foreground());
    LdRenderPreview(added);
    UpdateScrollRange();
    update();
}

void CLdPaletteWnd::PickImage()
{
    pickingImage_ = true;
    setCursor(Qt::CrossCursor);
    grabMouse();
}

void CLdPaletteWnd::UseImageOf(CLodo40Doc& document)
{
    const std::vector<uint8_t> image =
        LdMakeCustomImage(document.RenderToDib(), kPreviewWidth, kPreviewHeight);
    if (image.empty())
        return;
    const std::string path = LdUserDataFile("Custom.bmp");
    LdWriteBitmapFile(path, image);
    RenderAllFrom(path);
}

void CLdPaletteWnd::UseDefaultImage() { RenderAllFrom(LdDefaultImagePath()); }

void CLdPaletteWnd::RenderAllFrom(const std::string& path)
{
    LdRenderAllPreviews(layout_, path);
    update();
}

void CLdPaletteWnd::Customize()
{
    CLdPaletteItem* item = Selected();
    if (!item)
        return;
    std::error_code failed;
    if (!std::filesystem::is_regular_file(LdImageSourcePath(), failed)) {
        if (fw::MessageBox(DocString(IDS_NO_VALID_DATA_FILE), fw::MB_OKCANCEL | fw::MB_ICONEXCLAMATION) != fw::IDOK)
            return;
        UseDefaultImage();
    }
    LdUpdateImage(*item, host_.Background(), host_.Foreground());
    update();
}
