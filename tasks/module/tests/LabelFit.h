// Whether the labels of a panel show their whole text: the text as the
// label's font draws it (mnemonic marks left out) against the room the
// label has, itself inside the panel.
#pragma once

#include <QLabel>
#include <QLayout>
#include <QWidget>

#include <string>
#include <vector>

// The text a label draws: "S&hape:" shows as "Shape:", "&&" as "&".
inline QString ShownLabelText(const QLabel& label)
{
    QString shown;
    const QString text = label.text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The texts of the panel's labels that are cut off, each with the width it
// needs and the width it has; empty when every label shows its whole text.
inline std::vector<std::string> ClippedLabels(QWidget& panel)
{
    std::vector<std::string> clipped;
    // Laid out and painted as it is shown.
    if (panel.layout())
        panel.layout()->activate();
    panel.grab();
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&panel))
            continue;
        const QString text = ShownLabelText(*label);
        const QFontMetrics metrics = label->fontMetrics();
        const QRect room = label->contentsRect();
        const QRect inPanel(label->mapTo(&panel, room.topLeft()), room.size());
        const QRect visible = inPanel.intersected(panel.rect());
        const int needs = metrics.horizontalAdvance(text);
        if (needs > visible.width() || metrics.height() > visible.height())
            clipped.push_back(text.toStdString() + " needs " + std::to_string(needs) + "x" +
                              std::to_string(metrics.height()) + ", has " + std::to_string(visible.width()) + "x" +
                              std::to_string(visible.height()));
    }
    return clipped;
}
