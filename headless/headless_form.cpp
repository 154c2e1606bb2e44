// The headless window: the same property rules as the real one, held in memory.
#include "headless/headless_form.h"

#include <algorithm>
#include <functional>

#include "layout/access.h"

namespace tolm::headless {

using namespace runtime;
using layout::Operation;
using layout::supports;
namespace {

using content::Text;

struct ConstantText {
    const char* data;
    std::size_t size;
    Text key;
};

// The story passes its texts as views of the constant table, so the address tells which
// text it is; keys that share one text (the compiler merges equal ones) give the first key.
const std::vector<ConstantText>& constantTexts() {
    static const std::vector<ConstantText> table = [] {
        std::vector<ConstantText> t;
        for (std::size_t i = 0; i < content::kTextCount; ++i) {
            const auto key = static_cast<Text>(i);
            const std::string_view s = content::text(key);
            t.push_back({s.data(), s.size(), key});
        }
        std::sort(t.begin(), t.end(), [](const ConstantText& a, const ConstantText& b) {
            return std::less<>{}(a.data, b.data) || (a.data == b.data && a.key < b.key);
        });
        return t;
    }();
    return table;
}

std::optional<Text> constantKey(std::string_view text) {
    const auto& table = constantTexts();
    auto it = std::lower_bound(table.begin(), table.end(), text.data(), [](const ConstantText& t, const char* data) {
        return std::less<>{}(t.data, data);
    });
    for (; it != table.end() && it->data == text.data(); ++it)
        if (it->size == text.size()) return it->key;
    return std::nullopt;
}

}  // namespace

HeadlessForm::HeadlessForm(Reporter& reporter) : Form(reporter) {
    for (const layout::ControlRow& row : layout::kLayout) {
        visible_[indexOf(row.control)] = row.visibleAtStart;
        if (const auto* key = std::get_if<Text>(&row.caption)) keys_[indexOf(row.control)] = *key;
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
    keys_[indexOf(c)] = constantKey(text);
    if (!keys_[indexOf(c)]) made_[indexOf(c)].assign(text);
    return Status::Ok;
}

Status HeadlessForm::getCaption(Control c, std::string& text) {
    if (!allowed(c, Operation::GetCaption)) return Status::Failed;
    text.assign(captionText(c));
    return Status::Ok;
}

std::string_view HeadlessForm::captionText(Control c) const {
    if (const auto key = keys_[indexOf(c)]) return content::text(*key);
    return made_[indexOf(c)];
}

void HeadlessForm::snapshot(Snapshot& into) const {
    into.visible_ = visible_;
    into.keys_ = keys_;
    // Only labels take a caption at run time; every other caption stays as the layout gives it.
    std::size_t made = 0;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (keys_[i] || !supports(controlAt(i), Operation::SetCaption)) continue;
        if (made == into.made_.size()) into.made_.emplace_back();
        into.made_[made].first = controlAt(i);
        into.made_[made++].second.assign(made_[i]);
    }
    into.made_.resize(made);
    into.purse_ = purse();
    into.exitStatus_ = exitStatus_;
}

void HeadlessForm::restore(const Snapshot& s) {
    visible_ = s.visible_;
    keys_ = s.keys_;
    for (const auto& [c, text] : s.made_) made_[indexOf(c)].assign(text);
    setPurse(s.purse_);
    exitStatus_ = s.exitStatus_;
}

}  // namespace tolm::headless
