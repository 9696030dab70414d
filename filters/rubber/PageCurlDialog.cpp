#include "filters/rubber/PageCurlDialog.h"

#include "filters/rubber/PageCurl.h"
#include "filters/rubber/TrackBarEdit.h"

#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QSlider>
#include <array>

namespace {

constexpr std::array<int32_t, 8> kTypeOfButton{4, 2, 1, 0, 7, 6, 5, 3};

// A page with the corner of a type turned over: the long leg of the fold
// along the side it rolls along.
QIcon CornerIcon(int32_t type)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 25, 25);
    const bool right = type == 1 || type == 2 || type == 4 || type == 7;
    const bool bottom = type == 1 || type == 3 || type == 5 || type == 7;
    const bool alongWidth = type == 1 || type == 2 || type == 5 || type == 6;
    const int across = alongWidth ? 20 : 9, down = alongWidth ? 9 : 20;
    const QPoint corner(right ? 28 : 3, bottom ? 28 : 3);
    const QPoint h(corner.x() + (right ? -across : across), corner.y());
    const QPoint v(corner.x(), corner.y() + (bottom ? -down : down));
    p.setBrush(QColor(128, 128, 128));
    p.drawPolygon(QPolygon({corner, h, v}));
    return QIcon(pixmap);
}

const char* const kNames[8] = {"Top left, down", "Bottom right, across", "Top right, across", "Bottom left, up",
                               "Top right, down", "Bottom left, across", "Top left, across", "Bottom right, up"};

} // namespace

int32_t PageCurlDialog::TypeOfButton(uint32_t id)
{
    return id >= IDC_FIRST_TYPE && id < IDC_FIRST_TYPE + 8 ? kTypeOfButton[id - IDC_FIRST_TYPE] : -1;
}

PageCurlDialog::PageCurlDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent)
    : SevenLongDialog(IDD, "PageCurl", params, tile, engine, 10, parent)
{
}

void PageCurlDialog::CreateControls()
{
    SevenLongDialog::CreateControls();
    setWindowTitle("Page curl");
}

void PageCurlDialog::CreateFilterControls(QLayout* layout)
{
    // The track bar stops at 99; the edit box takes 100, which the track
    // bar holds to 99.
    strength_ = AddTrackBar(layout, {"&Strength (1...100):", IDC_STRENGTH, IDC_STRENGTH_EDIT, 1, 99, 10, 1, 100},
                            [this](int32_t v) { params_->strength = v; });
    auto radio = [](uint32_t id) {
        const int32_t type = TypeOfButton(id);
        return Radio{id, kNames[type], type};
    };
    AddRadios(layout, "Corner",
              {radio(1065), radio(1066), radio(1067), radio(1068), radio(1069), radio(1070), radio(1071),
               radio(1072)},
              [this](int32_t type) { params_->size = type; });
    for (uint32_t id = IDC_FIRST_TYPE; id < IDC_FIRST_TYPE + 8; ++id)
        if (auto* button = qobject_cast<QRadioButton*>(GetDlgItem(id))) {
            button->setIcon(CornerIcon(TypeOfButton(id)));
            button->setIconSize(QSize(32, 32));
            button->setToolTip(button->text());
            button->setText(QString());
        }
}

bool PageCurlDialog::OnInitDialog()
{
    strength_->SetPosition(PageCurl::StrengthOf(ReadSetting("Strength", 30)));
    params_->strength = strength_->Slider()->value();
    params_->size = PageCurl::TypeOf(ReadSetting("Type", 0));
    CheckRadio(params_->size);
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void PageCurlDialog::OnOK()
{
    WriteSetting("Strength", params_->strength);
    WriteSetting("Type", params_->size);
    SevenLongDialog::OnOK();
}
