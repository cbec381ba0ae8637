#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mervane {

// Lengths are thousandths of a millimetre, relative to the corner of the
// element's band; font sizes and line weights are points.
namespace paper {
inline constexpr int kWidth = 210079;
inline constexpr int kHeight = 297127;
inline constexpr int kMargin = 6350;
inline constexpr int kHeaderBandTop = 6350;   // from the paper's top edge
inline constexpr int kHeaderBandHeight = 47890;
inline constexpr int kDetailBandTop = 54240;  // from the paper's top edge
inline constexpr int kDetailBandHeight = 233098;
inline constexpr int kBandLeft = 6350;        // from the paper's left edge
} // namespace paper

enum class ElementKind { Label, Variable, Line, Rectangle, Circle, Region };
enum class Band { Header, Detail };
enum class FontFace { None, Tahoma, BrowalliaUPC, Arial };
enum class Align { Left, Centre, Right };
enum class Fill { Clear, White, Black, Silver };
enum class LineEdge { Top, Bottom, Right };
enum class Outline { None, Thin };

struct PageElement {
    std::string_view name;
    ElementKind kind;
    Band band;
    int order;                  // paint order within the band (# column)
    int left, top, width, height;
    std::string_view text = {}; // design text, UTF-8; empty for shapes
    FontFace font = FontFace::None;
    double fontSize = 0;        // points
    bool bold = false;
    bool italic = false;
    bool whiteText = false;
    bool defaultCharset = false;
    Align align = Align::Left;
    bool autoSize = false;
    Fill fill = Fill::Clear;
    LineEdge edge = LineEdge::Top; // lines only
    double weight = 0;          // lines only, points
    Outline outline = Outline::Thin; // rectangles, circle, regions
    std::string_view region = {}; // the region holding this element, or empty

    bool isText() const { return kind == ElementKind::Label || kind == ElementKind::Variable; }
    // Top of the element's band on paper, in thousandths of a millimetre.
    int bandTop() const { return band == Band::Header ? paper::kHeaderBandTop : paper::kDetailBandTop; }
};

// All elements of the certificate page in drawing order: the header band's in
// paint order, then the detail band's (a region directly before its elements).
std::span<const PageElement> CertificateLayout();

// The page at run time: the layout plus each text element's current text.
class Page {
public:
    Page();

    std::span<const PageElement> elements() const { return elements_; }
    const std::string& textAt(std::size_t index) const { return texts_[index]; }

    // Throws mervane::Error for a name that is not on the page.
    std::size_t indexOf(std::string_view name) const;
    void setText(std::string_view name, std::string text);
    const std::string& text(std::string_view name) const;

    // Start of every generation: variables lose their text, labels keep theirs.
    void blankVariables();
    // Back to the design texts.
    void reset();

private:
    std::span<const PageElement> elements_;
    std::vector<std::string> texts_;
};

} // namespace mervane
