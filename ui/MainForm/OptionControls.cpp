// SPDX-License-Identifier: MIT
#include "ui/MainForm/OptionControls.h"

#include "options/CheckValue.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QVariant>

#include <memory>

namespace zoot {

namespace {

// An option's control, as an option sees it: its value, a number (or, for
// the text box, a text), and for lists and groups how many choices it offers.
class Binding {
public:
    virtual ~Binding() = default;
    virtual QVariant value() const = 0;
    virtual void setValue(const QVariant &value) = 0;
    virtual int choices() const { return 0; }
};

class CheckBinding : public Binding {
public:
    explicit CheckBinding(QCheckBox *box) : m_box(box) {}
    QVariant value() const override { return checkValueOf(m_box->checkState()); }
    void setValue(const QVariant &value) override { m_box->setCheckState(checkStateOf(value.toInt())); }

private:
    QCheckBox *m_box;
};

class ListBinding : public Binding {
public:
    explicit ListBinding(QComboBox *list) : m_list(list) {}
    QVariant value() const override { return m_list->currentIndex(); }
    void setValue(const QVariant &value) override { m_list->setCurrentIndex(value.toInt()); }
    int choices() const override { return m_list->count(); }

private:
    QComboBox *m_list;
};

class SliderBinding : public Binding {
public:
    explicit SliderBinding(QSlider *slider) : m_slider(slider) {}
    QVariant value() const override { return m_slider->value(); }
    void setValue(const QVariant &value) override { m_slider->setValue(value.toInt()); }

private:
    QSlider *m_slider;
};

class GroupBinding : public Binding {
public:
    explicit GroupBinding(QButtonGroup *group) : m_group(group) {}
    QVariant value() const override { return m_group->checkedId(); }
    void setValue(const QVariant &value) override
    {
        if (QAbstractButton *button = m_group->button(value.toInt()))
            button->setChecked(true);
    }
    int choices() const override { return int(m_group->buttons().size()); }

private:
    QButtonGroup *m_group;
};

class TextBinding : public Binding {
public:
    explicit TextBinding(QLineEdit *box) : m_box(box) {}
    QVariant value() const override { return m_box->text(); }
    void setValue(const QVariant &value) override { m_box->setText(value.toString()); }

private:
    QLineEdit *m_box;
};

std::unique_ptr<Binding> bindingOf(const QWidget &window, const Option &option)
{
    QObject *control = window.findChild<QObject *>(option.name());
    if (auto *box = qobject_cast<QCheckBox *>(control))
        return std::make_unique<CheckBinding>(box);
    if (auto *list = qobject_cast<QComboBox *>(control))
        return std::make_unique<ListBinding>(list);
    if (auto *slider = qobject_cast<QSlider *>(control))
        return std::make_unique<SliderBinding>(slider);
    if (auto *group = qobject_cast<QButtonGroup *>(control))
        return std::make_unique<GroupBinding>(group);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return std::make_unique<TextBinding>(box);
    qFatal("the window has no control for the option %s", option.key);
}

} // namespace

OptionSet optionsShownBy(const QWidget &window)
{
    OptionSet options;
    for (const Option *option : kOptionTable) {
        const QVariant value = bindingOf(window, *option)->value();
        if (option->isText())
            options.setText(*option, value.toString());
        else
            options.setNumber(*option, value.toInt());
    }
    return options;
}

void showOptions(QWidget &window, const OptionSet &options)
{
    for (const Option *option : kOptionTable) {
        bindingOf(window, *option)->setValue(option->isText() ? QVariant(options.text(*option))
                                                              : QVariant(options.number(*option)));
    }
}

int choicesFor(const QWidget &window, const Option &option)
{
    return bindingOf(window, option)->choices();
}

} // namespace zoot
