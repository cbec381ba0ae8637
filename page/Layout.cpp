#include "page/Layout.h"

#include <algorithm>

#include "model/Error.h"

namespace mervane {
namespace {

// Element indices sorted by name, built once: a fill looks up about a hundred
// names, so a binary search beats walking 162 elements each time.
const std::vector<std::size_t>& IndicesByName() {
    static const std::vector<std::size_t> sorted = [] {
        const auto layout = CertificateLayout();
        std::vector<std::size_t> indices(layout.size());
        for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = i;
        std::sort(indices.begin(), indices.end(),
                  [&](std::size_t a, std::size_t b) { return layout[a].name < layout[b].name; });
        return indices;
    }();
    return sorted;
}

} // namespace

Page::Page() : elements_(CertificateLayout()) {
    texts_.reserve(elements_.size());
    for (const PageElement& element : elements_) texts_.emplace_back(element.text);
}

std::size_t Page::indexOf(std::string_view name) const {
    const auto& sorted = IndicesByName();
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), name,
                                     [&](std::size_t index, std::string_view key) { return elements_[index].name < key; });
    if (it == sorted.end() || elements_[*it].name != name)
        throw Error("No element named \"" + std::string(name) + "\" on the page");
    return *it;
}

void Page::setText(std::string_view name, std::string text) { texts_[indexOf(name)] = std::move(text); }

const std::string& Page::text(std::string_view name) const { return texts_[indexOf(name)]; }

void Page::blankVariables() {
    for (std::size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i].kind == ElementKind::Variable) texts_[i].clear();
}

void Page::reset() {
    for (std::size_t i = 0; i < elements_.size(); ++i) texts_[i].assign(elements_[i].text);
}

} // namespace mervane
