// The window in memory: the same property rules as the real one.
#include "memory/memory_form.h"

#include <algorithm>

namespace tolm::memory {

using namespace runtime;
using content::Text;
using layout::Operation;
using layout::supports;
namespace {

struct ConstantText {
    std::string_view text;
    Text key;
};

// Every constant text by its words in each language, so that a caption is known by what it says,
// wherever the story's copy of it lives; held by key, a caption reads in whichever language the
// game speaks next.
const std::vector<ConstantText>& constantTexts(content::Language language) {
    static const std::vector<std::vector<ConstantText>> tables = [] {
        std::vector<std::vector<ConstantText>> all(content::languageCount());
        for (std::size_t l = 0; l < all.size(); ++l) {
            for (std::size_t i = 0; i < content::kTextCount; ++i) {
                const auto key = static_cast<Text>(i);
                all[l].push_back({content::text(key, content::languageAt(l)), key});
            }
            std::stable_sort(all[l].begin(), all[l].end(),
                             [](const ConstantText& a, const ConstantText& b) { return a.text < b.text; });
        }
        return all;
    }();
    return tables[static_cast<std::size_t>(language)];
}

std::optional<Text> constantKey(std::string_view text) {
    const auto& table = constantTexts(content::language());
    const auto it = std::lower_bound(table.begin(), table.end(), text,
                                     [](const ConstantText& t, std::string_view words) { return t.text < words; });
    if (it != table.end() && it->text == text) return it->key;
    return std::nullopt;
}

}  // namespace

MemoryForm::MemoryForm(Reporter& reporter, Listener* listener) : Form(reporter), listener_(listener) {
    for (const layout::ControlRow& row : layout::kLayout) {
        visible_[indexOf(row.control)] = row.visibleAtStart;
        if (const auto* key = std::get_if<Text>(&row.caption)) keys_[indexOf(row.control)] = *key;
    }
}

bool MemoryForm::allowed(Control c, Operation op) {
    if (failIn_ > 0 && --failIn_ == 0) return false;
    return supports(c, op);
}

Status MemoryForm::setVisible(Control c, Truth value) {
    if (!allowed(c, Operation::SetVisible)) return Status::Failed;
    visible_[indexOf(c)] = value != kFalse;
    if (listener_) listener_->shown(c, visible_[indexOf(c)]);
    return Status::Ok;
}

Status MemoryForm::getVisible(Control c, Truth& value) {
    if (!allowed(c, Operation::GetVisible)) return Status::Failed;
    value = truth(visible_[indexOf(c)]);
    return Status::Ok;
}

Status MemoryForm::setCaption(Control c, std::string_view text) {
    if (!allowed(c, Operation::SetCaption)) return Status::Failed;
    keys_[indexOf(c)] = constantKey(text);
    if (!keys_[indexOf(c)]) made_[indexOf(c)].assign(text);
    if (listener_) listener_->captioned(c, text);
    return Status::Ok;
}

Status MemoryForm::getCaption(Control c, std::string& text) {
    if (!allowed(c, Operation::GetCaption)) return Status::Failed;
    text.assign(captionText(c));
    return Status::Ok;
}

void MemoryForm::retellCaptions() {
    if (!listener_) return;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (supports(controlAt(i), Operation::SetCaption))
            listener_->captioned(controlAt(i), captionText(controlAt(i)));
}

void MemoryForm::end(int exitStatus) {
    if (exitStatus_) return;
    exitStatus_ = exitStatus;
    if (listener_) listener_->ended(exitStatus);
}

std::string_view MemoryForm::captionText(Control c) const {
    if (const auto key = keys_[indexOf(c)]) return content::text(*key);
    return made_[indexOf(c)];
}

void MemoryForm::snapshot(Snapshot& into) const {
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

void MemoryForm::restore(const Snapshot& s) {
    visible_ = s.visible_;
    keys_ = s.keys_;
    for (const auto& [c, text] : s.made_) made_[indexOf(c)].assign(text);
    setPurse(s.purse_);
    exitStatus_ = s.exitStatus_;
}

}  // namespace tolm::memory
