#pragma once

#include <QComboBox>

#include <functional>

namespace tafomat {

// An editable list box with the two events of the window's lists: edited for every change of
// its text, by the user or the program, and picked when the user chooses an entry. Choosing
// runs only picked, although it replaces the text first; leaving the box or pressing Return
// never chooses. The list never changes the text by itself.
class Eingabeliste : public QComboBox {
    Q_OBJECT
  public:
    explicit Eingabeliste(QWidget* parent = nullptr);

    // Appends an entry and leaves the text as it is, without any event.
    void appendItem(const QString& item);
    // Empties the list and the text, without any event.
    void clearAll();
    // Sets the text as the program does, with its change event, and shows it from its start.
    void setTextShownFromStart(const QString& text);
    // Opens the list as wide as its longest entry, so that no entry is cut, with the entry
    // that the text stands for highlighted.
    void showPopup() override;
    // The entry that a text stands for; without this rule, the entry with the text itself.
    void setEntryRule(std::function<QString(const QString&)> rule);

  signals:
    void edited();
    void picked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void forgetCurrentItem(int caret);
    void showWithoutCurrentItem(const QString& text, int caret);
    int widestEntry() const;
    int entryOfText() const;

    std::function<QString(const QString&)> m_entryRule;
};

}  // namespace tafomat
