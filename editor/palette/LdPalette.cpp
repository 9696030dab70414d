#include "editor/palette/LdPalette.h"

#include "editor/helpdlg/SystemFont.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"

#include <QResizeEvent>
#include <QTabBar>

CLdPalette::CLdPalette(CLdPaletteHost& host, std::string layoutPath) : layoutPath_(std::move(layoutPath))
{
    setMinimumWidth(CLdPaletteGrid::kMinWidth);
    LdPaletteLoad load = LdLoadPaletteLayout(layoutPath_, host.Background(), host.Foreground());
    layout_ = std::move(load.layout);
    if (load.error)
        fw::MessageBox(*load.error, fw::MB_OK | fw::MB_ICONEXCLAMATION);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName("PaletteTabs");
    tabs_->setFont(LdMakeFont(LdPointFont(80, "MS Sans Serif")));
    tabs_->setExpanding(false);
    for (const std::string& name : layout_.TabNames())
        tabs_->addTab(QString::fromStdString(name));
    pane_ = new CLdPaletteWnd(layout_, host, this);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { pane_->SelectPane(index); });
}

void CLdPalette::AddTab(const std::string& name)
{
    layout_.AddTab(name);
    tabs_->addTab(QString::fromStdString(name));
}

void CLdPalette::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    tabs_->setGeometry(0, 0, size.width(), kTabHeight);
    pane_->setGeometry(0, kTabHeight, size.width(), std::max(size.height() - kTabHeight, 0));
}

void CLdPalette::StoreLayout()
{
    try {
        LdStorePaletteLayout(layoutPath_, layout_);
    } catch (const fw::Exception& e) {
        fw::MessageBox("The tool palette could not be saved to " + layoutPath_ + ": " + e.GetErrorMessage(),
                       fw::MB_OK | fw::MB_ICONEXCLAMATION);
    }
}

void CLdPalette::OnClose()
{
    if (onGeometry)
        onGeometry(frameGeometry());
    if (onClosed)
        onClosed();
    fw::MiniFrameWnd::OnClose();
}

void CLdPalette::OnDestroy()
{
    if (onGeometry)
        onGeometry(frameGeometry());
    StoreLayout();
    if (onGone)
        onGone();
}
