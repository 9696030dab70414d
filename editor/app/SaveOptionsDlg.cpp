#include "editor/app/SaveOptionsDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The TIFF compressions the library writes, with the names users know.
const struct {
    const char* label;
    const char* value;
} kCompressions[] = {
    {"None", "none"}, {"LZW", "lzw"}, {"PackBits", "packbits"}, {"Deflate (ZIP)", "deflate"}, {"JPEG", "jpeg"},
};

} // namespace

CSaveOptionsDlg::CSaveOptionsDlg(imexp::Format format, const imexp::WriteOptions& options, QWidget* parent)
    : QDialog(parent), options_(options)
{
    setWindowTitle(format == imexp::Format::Jpeg ? "JPEG Options" : "TIFF Options");
    auto* form = new QFormLayout;
    if (format == imexp::Format::Jpeg) {
        quality_ = new QSpinBox;
        quality_->setRange(1, 100);
        quality_->setValue(std::clamp(options.jpegQuality, 1, 100));
        slider_ = new QSlider(Qt::Horizontal);
        slider_->setRange(1, 100);
        slider_->setValue(quality_->value());
        connect(slider_, &QSlider::valueChanged, quality_, &QSpinBox::setValue);
        connect(quality_, &QSpinBox::valueChanged, slider_, &QSlider::setValue);
        auto* row = new QHBoxLayout;
        row->addWidget(slider_, 1);
        row->addWidget(quality_);
        form->addRow("&Quality:", row);
    } else {
        compression_ = new QComboBox;
        for (const auto& c : kCompressions) {
            compression_->addItem(c.label, QString(c.value));
            if (options.tiffCompression == c.value)
                compression_->setCurrentIndex(compression_->count() - 1);
        }
        form->addRow("&Compression:", compression_);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

imexp::WriteOptions CSaveOptionsDlg::Options() const
{
    imexp::WriteOptions options = options_;
    if (quality_)
        options.jpegQuality = quality_->value();
    if (compression_)
        options.tiffCompression = compression_->currentData().toString().toStdString();
    return options;
}

void LdInstallSaveOptionsAsker(std::function<QWidget*()> owner)
{
    imexp::SetSaveOptionsAsker([owner](imexp::Format format, imexp::WriteOptions& options) {
        CSaveOptionsDlg dialog(format, options, owner ? owner() : nullptr);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        options = dialog.Options();
        return true;
    });
}
