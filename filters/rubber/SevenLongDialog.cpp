#include "filters/rubber/SevenLongDialog.h"

#include "base/QnExcept.h"
#include "filters/frame/FilterModuleApp.h"
#include "filters/rubber/TrackBarEdit.h"
#include "framework/ControlId.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

SevenLongDialog::SevenLongDialog(uint32_t templateId, const std::string& section, SevenLongParams* params,
                                 PreviewTile* tile, FilterEngine* engine, uint32_t helpContext, QWidget* parent)
    : FilterDialogBase(templateId, tile, engine, helpContext, parent), params_(params), section_(section)
{
}

void SevenLongDialog::CreateControls()
{
    setWindowTitle(QString::fromStdString(section_));
    FilterDialogBase::CreateControls();
}

TrackBarEdit* SevenLongDialog::AddTrackBar(QLayout* layout, const TrackBar& bar, std::function<void(int32_t)> store)
{
    auto* label = new QLabel(bar.label, this);
    auto* slider = new QSlider(Qt::Horizontal, this);
    fw::SetControlId(slider, bar.sliderId);
    slider->setRange(bar.min, bar.max);
    slider->setTickInterval(bar.tick);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setPageStep(bar.tick);
    auto* edit = new QLineEdit(this);
    fw::SetControlId(edit, bar.editId);
    edit->setFixedWidth(44);
    label->setBuddy(slider);
    auto* row = new QHBoxLayout;
    row->addWidget(slider, 1);
    row->addWidget(edit);
    layout->addWidget(label);
    if (auto* box = qobject_cast<QBoxLayout*>(layout))
        box->addLayout(row);
    return new TrackBarEdit(slider, edit, bar.editMin, bar.editMax, [this, store = std::move(store)](int32_t v) {
        store(v);
        ProcessPreview();
    }, bar.offset);
}

void SevenLongDialog::AddRadios(QLayout* layout, const QString& title, std::initializer_list<Radio> radios,
                                std::function<void(int32_t)> store)
{
    auto* group = new QGroupBox(title, this);
    auto* column = new QHBoxLayout(group);
    for (const Radio& r : radios) {
        auto* button = new QRadioButton(r.text, group);
        fw::SetControlId(button, r.id);
        column->addWidget(button);
        radios_.emplace_back(button, r.mode);
        connect(button, &QRadioButton::clicked, this, [this, store, mode = r.mode] {
            store(mode);
            ProcessPreview();
        });
    }
    layout->addWidget(group);
}

void SevenLongDialog::CheckRadio(int32_t mode)
{
    for (auto& [button, m] : radios_) {
        // Unchecking one of an exclusive group needs the group let go.
        button->setAutoExclusive(false);
        button->setChecked(m == mode);
        button->setAutoExclusive(true);
    }
}

int32_t SevenLongDialog::ReadSetting(const char* key, int32_t fallback) const
{
    return FilterModuleApp::Get().Profile().GetInt(section_, key, fallback);
}

void SevenLongDialog::WriteSetting(const char* key, int32_t value) const
{
    try {
        FilterModuleApp::Get().Profile().WriteInt(section_, key, value);
    } catch (const QnExcept&) {
        // The block holds the value for this run.
    }
}
