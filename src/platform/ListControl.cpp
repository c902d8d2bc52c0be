#include "ListControl.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace platform {

void PlainList::clear()
{
    m_items.clear();
    m_index = -1;
}

void PlainList::addItem(const QString& text) { m_items.push_back({text, 0}); }

QString PlainList::list(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].text : QString();
}

void PlainList::setItemData(int index, int data)
{
    if (index >= 0 && index < m_items.size())
        m_items[index].data = data;
}

int PlainList::itemData(int index) const { return index >= 0 && index < m_items.size() ? m_items[index].data : 0; }

void PlainList::setListIndex(int index) { m_index = index >= 0 && index < m_items.size() ? index : -1; }

void ComboList::clear()
{
    const QSignalBlocker block(m_combo);
    m_combo->clear();
}

void ComboList::addItem(const QString& text)
{
    const QSignalBlocker block(m_combo);
    const bool wasEmpty = m_combo->count() == 0;
    m_combo->addItem(text, 0);
    // A first entry does not select itself: the list keeps "nothing selected"
    // until code or the user selects.
    if (wasEmpty)
        m_combo->setCurrentIndex(-1);
}

int ComboList::listCount() const { return m_combo->count(); }

QString ComboList::list(int index) const
{
    return index >= 0 && index < m_combo->count() ? m_combo->itemText(index) : QString();
}

void ComboList::setItemData(int index, int data)
{
    if (index >= 0 && index < m_combo->count())
        m_combo->setItemData(index, data);
}

int ComboList::itemData(int index) const
{
    return index >= 0 && index < m_combo->count() ? m_combo->itemData(index).toInt() : 0;
}

int ComboList::listIndex() const { return m_combo->currentIndex(); }

void ComboList::setListIndex(int index)
{
    {
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(index >= 0 && index < m_combo->count() ? index : -1);
    }
    if (m_handler)
        m_handler();
}

} // namespace platform
