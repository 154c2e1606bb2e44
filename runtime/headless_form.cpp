// The headless window: the same property rules as the real one, held in memory.
#include "runtime/headless_form.h"

#include "runtime/access.h"

namespace tolm::runtime {

HeadlessForm::HeadlessForm(Reporter& reporter) : Form(reporter) {
    for (const ui::ControlRow& row : ui::kLayout) {
        visible_[indexOf(row.control)] = row.visibleAtStart;
        if (const auto* key = std::get_if<content::Text>(&row.caption))
            captions_[indexOf(row.control)] = std::string(content::text(*key));
    }
}

bool HeadlessForm::allowed(Control c, Operation op) {
    if (failIn_ > 0 && --failIn_ == 0) return false;
    return supports(c, op);
}

Status HeadlessForm::setVisible(Control c, Truth value) {
    if (!allowed(c, Operation::SetVisible)) return Status::Failed;
    visible_[indexOf(c)] = value != kFalse;
    return Status::Ok;
}

Status HeadlessForm::getVisible(Control c, Truth& value) {
    if (!allowed(c, Operation::GetVisible)) return Status::Failed;
    value = truth(visible_[indexOf(c)]);
    return Status::Ok;
}

Status HeadlessForm::setCaption(Control c, std::string_view text) {
    if (!allowed(c, Operation::SetCaption)) return Status::Failed;
    captions_[indexOf(c)].assign(text);
    return Status::Ok;
}

Status HeadlessForm::getCaption(Control c, std::string& text) {
    if (!allowed(c, Operation::GetCaption)) return Status::Failed;
    text = captions_[indexOf(c)];
    return Status::Ok;
}

}  // namespace tolm::runtime
