#pragma once
// Enter in a settings field moves the focus on as Tab would: a Tab key is
// sent to the field, so the window's tab order and the field's commit on
// leaving apply as for a real Tab.
class QWidget;

namespace zx {

void EnterAsTab(QWidget* field);

}  // namespace zx
