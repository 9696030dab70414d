// The options a picture format takes when it is saved under a new name:
// the JPEG quality or the TIFF compression. The import/export library asks
// for them through the asker the program installs.
#pragma once

#include <QDialog>

#include "imexp/ImExp.h"

class QComboBox;
class QSpinBox;
class QSlider;

class CSaveOptionsDlg : public QDialog {
public:
    CSaveOptionsDlg(imexp::Format format, const imexp::WriteOptions& options, QWidget* parent = nullptr);

    // The options as the controls show them, over the ones given.
    imexp::WriteOptions Options() const;

    QSpinBox* Quality() const { return quality_; }
    QComboBox* Compression() const { return compression_; }

private:
    imexp::WriteOptions options_;
    QSpinBox* quality_ = nullptr;
    QSlider* slider_ = nullptr;
    QComboBox* compression_ = nullptr;
};

// Installs the dialog as the library's asker, owned by the widget that
// owner() gives at the time of asking.
void LdInstallSaveOptionsAsker(std::function<QWidget*()> owner);
