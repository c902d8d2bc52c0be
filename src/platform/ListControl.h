#pragma once
// A selection list as the program uses it: entries in the order added, an
// item datum per entry, one selected position (-1 for none). The main window
// backs it with a QComboBox; tests and code without widgets use PlainList.

#include <QString>
#include <QVector>
#include <functional>

class QComboBox;

namespace platform {

class ListControl {
public:
    virtual ~ListControl() = default;
    virtual void clear() = 0;
    virtual void addItem(const QString& text) = 0;
    virtual int listCount() const = 0;
    virtual QString list(int index) const = 0; // "" outside the list
    virtual void setItemData(int index, int data) = 0;
    virtual int itemData(int index) const = 0; // 0 outside the list
    virtual int listIndex() const = 0;         // -1: nothing selected
    virtual void setListIndex(int index) = 0;  // -1 clears the selection
    // The text of the selected entry, "" when nothing is selected.
    QString text() const { return list(listIndex()); }
};

class PlainList : public ListControl {
public:
    void clear() override;
    void addItem(const QString& text) override;
    int listCount() const override { return int(m_items.size()); }
    QString list(int index) const override;
    void setItemData(int index, int data) override;
    int itemData(int index) const override;
    int listIndex() const override { return m_index; }
    void setListIndex(int index) override;

private:
    struct Item {
        QString text;
        int data = 0;
    };
    QVector<Item> m_items;
    int m_index = -1;
};

// A QComboBox seen as a ListControl. Changes made through it run with the
// combo's signals blocked; when a handler is set, every setListIndex then
// runs it exactly once, as a selection made by code does in this program.
class ComboList : public ListControl {
public:
    explicit ComboList(QComboBox* combo) : m_combo(combo) {}
    void clear() override;
    void addItem(const QString& text) override;
    int listCount() const override;
    QString list(int index) const override;
    void setItemData(int index, int data) override;
    int itemData(int index) const override;
    int listIndex() const override;
    void setListIndex(int index) override;
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    QComboBox* combo() const { return m_combo; }

private:
    QComboBox* m_combo;
    std::function<void()> m_handler;
};

} // namespace platform
