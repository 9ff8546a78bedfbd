#include "seating/ChartPicture.h"

#include <algorithm>

namespace quorle {
namespace {

bool EndsWithStar(const std::string& line) { return !line.empty() && line.back() == '*'; }

// The bottom edge before the seat number, after a line ending in an edge.
const char* SharedEdge(std::size_t digits) { return digits == 1 ? " * * *" : digits == 2 ? " * * " : " * *"; }
// The same where the box draws its own left edge.
const char* OpenEdge(std::size_t digits) { return digits == 1 ? "* * * *" : digits == 2 ? "* * * " : "* * *"; }

class PictureBuilder {
public:
    explicit PictureBuilder(const SeatingChart& chart, std::vector<SeatBox>* boxes = nullptr)
        : chart_(chart), extents_(ComputeExtents(chart.grid)), lines_(kPictureLines), boxes_(boxes) {}

    std::vector<std::string> Build() {
        const Extents& e = extents_;
        if (e.Empty()) return std::move(lines_);
        for (int c = e.lowColumn; c <= e.highColumn; ++c) {
            int b = 0;
            for (int p = e.lowPlace; p <= e.highPlace; ++p) {
                if (HasDesk(chart_.grid, c, p))
                    Desk(c, p, b);
                else
                    NoDesk(c, p, b);
            }
        }
        return std::move(lines_);
    }

private:
    std::string& Line(int b) {
        // Ten places take 31 lines; the picture never needs more than its 50.
        if (static_cast<std::size_t>(b) >= lines_.size()) lines_.resize(static_cast<std::size_t>(b) + 1);
        return lines_[static_cast<std::size_t>(b)];
    }

    void Desk(int c, int p, int& b) {
        const Extents& e = extents_;
        const std::string number = std::to_string(seat_ + 1);
        // The number sits in the bottom edge; its width takes the place of
        // asterisks and spaces so that every box keeps its width.
        const std::size_t digits = number.size();
        // A desk without its seat record (never in a chart read or made by
        // this program) is drawn as a free seat.
        const TPeople seat = static_cast<std::size_t>(seat_) < chart_.seats.size()
                                 ? chart_.seats[static_cast<std::size_t>(seat_)]
                                 : TPeople::Free();
        const std::string first = PadSeatName(seat.firstName.View());
        const std::string last = PadSeatName(seat.lastName.View());
        const bool topEdge = p == e.lowPlace || !HasDesk(chart_.grid, c, p - 1);
        const bool joined = c != e.lowColumn && HasDesk(chart_.grid, c - 1, p);
        if (boxes_) {
            // A joined box's left edge is its neighbour's right one; a box
            // without a top edge of its own has the number line behind it.
            const int left = static_cast<int>(Line(topEdge ? b + 1 : b).size()) - (joined ? 1 : 0);
            boxes_->push_back(SeatBox{topEdge ? b : b - 1, topEdge ? b + 3 : b + 2, left, left + 16});
        }
        if (joined) {
            if (topEdge) Line(b++) += " * * * * * * * *";
            Line(b) += first + " *";
            Line(b + 1) += last + " *";
            Line(b + 2) += SharedEdge(digits);
        } else {
            if (topEdge) {
                std::string& top = Line(b++);
                top += EndsWithStar(top) ? " * * * * * * * *" : "* * * * * * * * *";
            }
            Line(b) += "*" + first + " *";
            Line(b + 1) += "*" + last + " *";
            std::string& bottom = Line(b + 2);
            bottom += EndsWithStar(bottom) ? SharedEdge(digits) : OpenEdge(digits);
        }
        Line(b + 2) += number + "* * * * *";
        b += 3;
        ++seat_;
    }

    // Spaces in place of a box: 15 after a line ending in a box's edge, 16
    // otherwise, decided line by line so that the columns to the right stay
    // in line.
    void Blank(int b) {
        std::string& line = Line(b);
        line.append(EndsWithStar(line) ? 15 : 16, ' ');
    }

    void NoDesk(int c, int p, int& b) {
        if (p == extents_.lowPlace) Blank(b++);
        Blank(b);
        Blank(b + 1);
        b += 2;
        if (!HasDesk(chart_.grid, c, p + 1)) Blank(b++);
    }

    const SeatingChart& chart_;
    Extents extents_;
    std::vector<std::string> lines_;
    std::vector<SeatBox>* boxes_;
    int seat_ = 0;
};

}  // namespace

std::vector<std::string> BuildChartPicture(const SeatingChart& chart) { return PictureBuilder(chart).Build(); }

std::vector<SeatBox> ChartSeatBoxes(const SeatingChart& chart) {
    std::vector<SeatBox> boxes;
    PictureBuilder(chart, &boxes).Build();
    return boxes;
}

std::vector<std::string> ChartPictureText(const SeatingChart& chart) {
    std::vector<std::string> lines = BuildChartPicture(chart);
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](const std::string& l) { return l.empty(); }), lines.end());
    return lines;
}

}  // namespace quorle
