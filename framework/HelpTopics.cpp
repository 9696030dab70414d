#include "framework/HelpTopics.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/HelpProvider.h"

namespace fw {

std::set<uint32_t> HelpTopicsOf(const QWidget& window)
{
    std::set<uint32_t> topics;
    auto add = [&](uint32_t id) {
        if (id != 0)
            topics.insert(id);
    };
    if (const auto* dialog = dynamic_cast<const Dialog*>(&window))
        add(dialog->helpId);
    add(HelpId(&window));
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        add(HelpId(widget));
        if (const auto* dialog = dynamic_cast<const Dialog*>(widget))
            add(dialog->helpId);
    }
    for (const QAction* action : window.findChildren<QAction*>())
        add(HelpId(action));
    return topics;
}

std::vector<uint32_t> TopicsWithoutPage(const std::string& helpFile, const std::set<uint32_t>& topics)
{
    std::vector<uint32_t> missing;
    for (uint32_t id : topics)
        if (!QFileInfo::exists(QString::fromStdString(HelpProvider::TopicPage(helpFile, id))))
            missing.push_back(id);
    return missing;
}

}  // namespace fw
