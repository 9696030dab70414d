// The dialog base of the filters with the seven-long block: the preview
// and buttons of every filter dialog, the filter's section of the module's
// settings, labelled track bars with their edit boxes and groups of radio
// buttons, each stored change refreshing the preview.
#pragma once

#include "filters/frame/FilterDialogBase.h"
#include "filters/rubber/SevenLongParams.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QRadioButton;
class TrackBarEdit;

class SevenLongDialog : public FilterDialogBase {
public:
    struct TrackBar {
        QString label;
        uint32_t sliderId;
        uint32_t editId;
        int32_t min, max, tick;
        int32_t editMin, editMax;
        // The edit box shows the track bar's position plus this.
        int32_t offset = 0;
    };
    struct Radio {
        uint32_t id;
        QString text;
        int32_t mode;
    };

    SevenLongDialog(uint32_t templateId, const std::string& section, SevenLongParams* params, PreviewTile* tile,
                    FilterEngine* engine, uint32_t helpContext, QWidget* parent = nullptr);

    const std::string& Section() const { return section_; }

protected:
    void CreateControls() override;
    // The filter's track bars and radio groups, added in CreateFilterControls.
    TrackBarEdit* AddTrackBar(QLayout* layout, const TrackBar& bar, std::function<void(int32_t)> store);
    void AddRadios(QLayout* layout, const QString& title, std::initializer_list<Radio> radios,
                   std::function<void(int32_t)> store);
    // Checks the radio button of mode, or none when no button has it.
    void CheckRadio(int32_t mode);

    int32_t ReadSetting(const char* key, int32_t fallback) const;
    // Kept for this run when the settings cannot be written.
    void WriteSetting(const char* key, int32_t value) const;

    SevenLongParams* params_;

private:
    std::string section_;
    std::vector<std::pair<QRadioButton*, int32_t>> radios_;
};
