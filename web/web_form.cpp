// The web page's form: the same property rules as every window, each change passed on at once.
#include "web/web_form.h"

#include <variant>

#include "content/text.h"

namespace tolm::web {

using layout::Operation;
using runtime::Status;
using runtime::Truth;

WebForm::WebForm(runtime::Reporter& reporter, Page& page) : Form(reporter), page_(page) {
    for (const layout::ControlRow& row : layout::kLayout) {
        visible_[indexOf(row.control)] = row.visibleAtStart;
        if (const auto* key = std::get_if<content::Text>(&row.caption))
            captions_[indexOf(row.control)] = content::text(*key);
    }
}

bool WebForm::allowed(Control c, Operation op) {
    if (failNext_) {
        failNext_ = false;
        return false;
    }
    return layout::supports(c, op);
}

Status WebForm::setVisible(Control c, Truth value) {
    if (!allowed(c, Operation::SetVisible)) return Status::Failed;
    visible_[indexOf(c)] = value != runtime::kFalse;
    page_.show(c, visible_[indexOf(c)]);
    return Status::Ok;
}

Status WebForm::getVisible(Control c, Truth& value) {
    if (!allowed(c, Operation::GetVisible)) return Status::Failed;
    value = runtime::truth(visible_[indexOf(c)]);
    return Status::Ok;
}

Status WebForm::setCaption(Control c, std::string_view text) {
    if (!allowed(c, Operation::SetCaption)) return Status::Failed;
    captions_[indexOf(c)].assign(text);
    page_.caption(c, text);
    return Status::Ok;
}

Status WebForm::getCaption(Control c, std::string& text) {
    if (!allowed(c, Operation::GetCaption)) return Status::Failed;
    text = captions_[indexOf(c)];
    return Status::Ok;
}

void WebForm::end(int exitStatus) {
    if (exitStatus_) return;
    exitStatus_ = exitStatus;
    page_.end(exitStatus);
}

}  // namespace tolm::web
