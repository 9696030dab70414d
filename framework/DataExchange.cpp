#include "framework/DataExchange.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"

namespace fw {
namespace {

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

// A whole number with an optional sign and nothing else but blanks.
bool ParseInteger(const std::string& text, long long& value)
{
    const std::string t = Trimmed(text);
    if (t.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(t.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

bool ParseReal(const std::string& text, double& value)
{
    const std::string t = Trimmed(text);
    if (t.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(t.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(value);
}

std::string Format(const char* pattern, const std::string& a, const std::string& b = {})
{
    std::string text = pattern;
    if (auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, a);
    if (auto at = text.find("%2"); at != std::string::npos)
        text.replace(at, 2, b);
    return text;
}

std::string RealText(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", 15, v);
    return buffer;
}

template <class Control>
Control* As(DataExchange& dx, QWidget* w)
{
    auto* c = qobject_cast<Control*>(w);
    if (!c)
        throw NotSupportedException();
    (void)dx;
    return c;
}

}  // namespace

QWidget* DataExchange::PrepareCtrl(uint32_t id)
{
    QWidget* control = dialog.GetDlgItem(id);
    if (!control)
        throw NotSupportedException();
    last_ = control;
    lastIsEdit_ = false;
    return control;
}

QWidget* DataExchange::PrepareEditCtrl(uint32_t id)
{
    QWidget* control = PrepareCtrl(id);
    lastIsEdit_ = true;
    return control;
}

void DataExchange::Fail()
{
    if (last_) {
        last_->setFocus();
        if (lastIsEdit_)
            if (auto* edit = qobject_cast<QLineEdit*>(last_))
                edit->selectAll();
    }
    throw UserException();
}

void DataExchange::Fail(const std::string& message)
{
    MessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    Fail();
}

std::string GetControlText(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().toStdString();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText().toStdString();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(control))
        return text->toPlainText().toStdString();
    if (auto* text = qobject_cast<const QTextEdit*>(control))
        return text->toPlainText().toStdString();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text().toStdString();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().toStdString();
    return control ? control->windowTitle().toStdString() : std::string();
}

void SetControlText(QWidget* control, const std::string& value)
{
    const QString text = QString::fromStdString(value);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(control))
        rich->setPlainText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (control)
        control->setWindowTitle(text);
}

void DDX_Text(DataExchange& dx, uint32_t id, std::string& value)
{
    QWidget* control = dx.PrepareEditCtrl(id);
    if (dx.saveAndValidate)
        value = GetControlText(control);
    else
        SetControlText(control, value);
}

void DDX_Text(DataExchange& dx, uint32_t id, int32_t& value)
{
    QWidget* control = dx.PrepareEditCtrl(id);
    if (!dx.saveAndValidate) {
        SetControlText(control, std::to_string(value));
        return;
    }
    long long v = 0;
    if (!ParseInteger(GetControlText(control), v) || v < std::numeric_limits<int32_t>::min() ||
        v > std::numeric_limits<int32_t>::max())
        dx.Fail("Please enter an integer.");
    value = static_cast<int32_t>(v);
}

void DDX_Text(DataExchange& dx, uint32_t id, uint32_t& value)
{
    QWidget* control = dx.PrepareEditCtrl(id);
    if (!dx.saveAndValidate) {
        SetControlText(control, std::to_string(value));
        return;
    }
    long long v = 0;
    if (!ParseInteger(GetControlText(control), v) || v < 0 || v > std::numeric_limits<uint32_t>::max())
        dx.Fail("Please enter a positive integer.");
    value = static_cast<uint32_t>(v);
}

void DDX_Text(DataExchange& dx, uint32_t id, double& value)
{
    QWidget* control = dx.PrepareEditCtrl(id);
    if (!dx.saveAndValidate) {
        SetControlText(control, RealText(value));
        return;
    }
    double v = 0;
    if (!ParseReal(GetControlText(control), v))
        dx.Fail("Please enter a number.");
    value = v;
}

void DDX_Check(DataExchange& dx, uint32_t id, int& value)
{
    auto* box = As<QAbstractButton>(dx, dx.PrepareCtrl(id));
    auto* tri = qobject_cast<QCheckBox*>(box);
    if (dx.saveAndValidate) {
        value = tri && tri->checkState() == Qt::PartiallyChecked ? 2 : box->isChecked() ? 1 : 0;
        return;
    }
    if (tri && value == 2)
        tri->setCheckState(Qt::PartiallyChecked);
    else
        box->setChecked(value != 0);
}

namespace {

// The index of the checked button of group, or the button of value checked
// alone; exclusive buttons stay exclusive.
void ExchangeRadioGroup(DataExchange& dx, const std::vector<QAbstractButton*>& group, int& value)
{
    if (dx.saveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (group[i]->isChecked())
                value = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < group.size(); ++i) {
        const bool exclusive = group[i]->autoExclusive();
        group[i]->setAutoExclusive(false);
        group[i]->setChecked(static_cast<int>(i) == value);
        group[i]->setAutoExclusive(exclusive);
    }
}

}  // namespace

void DDX_Radio(DataExchange& dx, uint32_t id, int& value)
{
    dx.PrepareCtrl(id);
    std::vector<QAbstractButton*> group;
    for (uint32_t i = id;; ++i) {
        auto* radio = qobject_cast<QRadioButton*>(dx.dialog.GetDlgItem(i));
        if (!radio)
            break;
        group.push_back(radio);
    }
    ExchangeRadioGroup(dx, group, value);
}

void DDX_Radio(DataExchange& dx, std::initializer_list<uint32_t> ids, int& value)
{
    std::vector<QAbstractButton*> group;
    for (uint32_t id : ids)
        group.push_back(As<QAbstractButton>(dx, dx.PrepareCtrl(id)));
    ExchangeRadioGroup(dx, group, value);
}

void DDX_CBIndex(DataExchange& dx, uint32_t id, int& value)
{
    auto* combo = As<QComboBox>(dx, dx.PrepareCtrl(id));
    if (dx.saveAndValidate)
        value = combo->currentIndex();
    else
        combo->setCurrentIndex(value);
}

void DDX_CBString(DataExchange& dx, uint32_t id, std::string& value)
{
    auto* combo = As<QComboBox>(dx, dx.PrepareEditCtrl(id));
    if (dx.saveAndValidate) {
        value = combo->currentText().toStdString();
        return;
    }
    // The first entry that begins with the value is selected; an editable
    // box shows the value itself.
    const QString text = QString::fromStdString(value);
    const int at = combo->findText(text, Qt::MatchStartsWith);
    if (at >= 0)
        combo->setCurrentIndex(at);
    if (combo->isEditable())
        combo->setEditText(text);
}

void DDX_LBIndex(DataExchange& dx, uint32_t id, int& value)
{
    auto* list = As<QListWidget>(dx, dx.PrepareCtrl(id));
    if (dx.saveAndValidate) {
        const auto selected = list->selectedItems();
        value = selected.isEmpty() ? -1 : list->row(selected.front());
        return;
    }
    list->clearSelection();
    if (value >= 0 && value < list->count())
        list->setCurrentRow(value);
}

void DDX_LBString(DataExchange& dx, uint32_t id, std::string& value)
{
    auto* list = As<QListWidget>(dx, dx.PrepareCtrl(id));
    if (dx.saveAndValidate) {
        const auto selected = list->selectedItems();
        value = selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
        return;
    }
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(QString::fromStdString(value))) {
            list->setCurrentRow(i);
            break;
        }
}

void DDX_DateTimeCtrl(DataExchange& dx, uint32_t id, int64_t& seconds)
{
    auto* edit = As<QDateTimeEdit>(dx, dx.PrepareCtrl(id));
    if (dx.saveAndValidate)
        seconds = edit->dateTime().toSecsSinceEpoch();
    else
        edit->setDateTime(QDateTime::fromSecsSinceEpoch(seconds));
}

void DDV_MinMaxInt(DataExchange& dx, int32_t value, int32_t minValue, int32_t maxValue)
{
    if (dx.saveAndValidate && (value < minValue || value > maxValue))
        dx.Fail(Format("Please enter an integer between %1 and %2.", std::to_string(minValue),
                       std::to_string(maxValue)));
}

void DDV_MinMaxUInt(DataExchange& dx, uint32_t value, uint32_t minValue, uint32_t maxValue)
{
    if (dx.saveAndValidate && (value < minValue || value > maxValue))
        dx.Fail(Format("Please enter an integer between %1 and %2.", std::to_string(minValue),
                       std::to_string(maxValue)));
}

void DDV_MinMaxDouble(DataExchange& dx, double value, double minValue, double maxValue)
{
    if (dx.saveAndValidate && (value < minValue || value > maxValue))
        dx.Fail(Format("Please enter a number between %1 and %2.", RealText(minValue), RealText(maxValue)));
}

void DDV_MaxChars(DataExchange& dx, const std::string& value, size_t maxChars)
{
    if (dx.saveAndValidate && value.size() > maxChars)
        dx.Fail(Format("Please enter no more than %1 characters.", std::to_string(maxChars)));
}

}  // namespace fw
