// SPDX-License-Identifier: MIT
#include "ui/toolkit/accessibility.h"

#include "ui/toolkit/image_key.h"
#include "ui/toolkit/link_label.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/skin_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace zc {
namespace {

// A widget presented with a Press action in front of Qt's widget actions (set focus).
class PressableAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (widget()->isEnabled()) press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

protected:
    virtual void press() = 0;
};

class KeyAccessible : public PressableAccessible {
public:
    explicit KeyAccessible(ImageKey* key) : PressableAccessible(key, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = PressableAccessible::state();
        const ImageKey* k = key();
        if (k->isCovered()) {
            s.invisible = true;
            s.focusable = false;
        }
        if (k->isLatchable()) {
            s.checkable = true;
            s.checked = k->isLatched();
        }
        s.pressed = k->isDown();
        return s;
    }

protected:
    void press() override { key()->click(); }

private:
    ImageKey* key() const { return static_cast<ImageKey*>(object()); }
};

class LabelButtonAccessible : public PressableAccessible {
public:
    explicit LabelButtonAccessible(SkinLabel* label)
        : PressableAccessible(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty()) return label()->text();
        return PressableAccessible::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = PressableAccessible::state();
        s.checkable = true;
        s.checked = label()->isHighlighted();
        return s;
    }

protected:
    void press() override { label()->click(); }
    SkinLabel* label() const { return static_cast<SkinLabel*>(object()); }
};

class LinkAccessible : public LabelButtonAccessible {
public:
    explicit LinkAccessible(LinkLabel* link) : LabelButtonAccessible(link) {}

    QAccessible::Role role() const override { return QAccessible::Link; }

    QAccessible::State state() const override {
        QAccessible::State s = PressableAccessible::state();
        s.linked = true;
        return s;
    }
};

class RadioGroupAccessible;

// One item of a radio group; it has no widget of its own.
class RadioItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    RadioItemAccessible(RadioGroup* group, int index) : m_group(group), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isValid() const override { return m_group && m_index < m_group->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_group ? m_group->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return m_group ? QAccessible::queryAccessibleInterface(m_group.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return m_group->itemAccessibleName(m_index);
        if (t == QAccessible::Description) return m_group->itemAccessibleDescription(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = m_group->itemRect(m_index);
        return QRect(m_group->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override { return QAccessible::RadioButton; }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.checkable = true;
        s.checked = m_group->currentIndex() == m_index;
        s.invisible = !m_group->isVisible();
        s.disabled = !m_group->isEnabled();
        s.focusable = m_group->focusPolicy() != Qt::NoFocus;
        s.focused = m_group->hasFocus() && s.checked;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid() && m_group->isEnabled())
            m_group->clickItem(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<RadioGroup> m_group;
    int m_index;
};

class RadioGroupAccessible : public QAccessibleWidget {
public:
    explicit RadioGroupAccessible(RadioGroup* group)
        : QAccessibleWidget(group, QAccessible::Grouping) {}

    ~RadioGroupAccessible() override {
        for (const QAccessible::Id id : m_children)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return group()->count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (m_children.size() < std::size_t(childCount()))
            m_children.resize(std::size_t(childCount()), 0);
        QAccessible::Id& id = m_children[std::size_t(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new RadioItemAccessible(group(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < m_children.size(); ++i)
            if (m_children[i] != 0 && QAccessible::accessibleInterface(m_children[i]) == child)
                return int(i);
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = group()->indexAt(group()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        if (!group()->hasFocus()) return nullptr;
        const int current = group()->currentIndex();
        return current >= 0 ? child(current) : nullptr;
    }

private:
    RadioGroup* group() const { return static_cast<RadioGroup*>(object()); }

    mutable std::vector<QAccessible::Id> m_children;
};

QAccessibleInterface* toolkitFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String(ImageKey::staticMetaObject.className()))
        return new KeyAccessible(static_cast<ImageKey*>(object));
    if (className == QLatin1String(RadioGroup::staticMetaObject.className()))
        return new RadioGroupAccessible(static_cast<RadioGroup*>(object));
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1String(SkinLabel::staticMetaObject.className())) {
        auto* label = static_cast<SkinLabel*>(object);
        if (label->isActivatable()) return new LabelButtonAccessible(label);
    }
    return nullptr;
}

} // namespace

void installToolkitAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&toolkitFactory);
}

} // namespace zc
