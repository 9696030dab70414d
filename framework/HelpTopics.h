// The help topics a window can ask for: a dialog's own topic and the
// context-help ids of its controls, bar buttons and menu items. Lets a
// program check that every topic it names has a page.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

class QWidget;

namespace fw {

// Every nonzero help id on window and the widgets and actions inside it.
std::set<uint32_t> HelpTopicsOf(const QWidget& window);

// The topics of helpFile that have no page (the contents page is topic 0).
std::vector<uint32_t> TopicsWithoutPage(const std::string& helpFile, const std::set<uint32_t>& topics);

}  // namespace fw
