#include "resources/ControlBarPictures.h"

namespace quorle::resources {

// Each picture is 20 by 20 pixels; "." is transparent.
const platform::Picture& ControlBarPicture(int bitmap) {
    static const platform::Picture none;
    // 600 New: a blank page with a spark
    static const platform::Picture p600{
        {{'a', {60, 60, 60}}, {'c', {230, 170, 0}}, {'b', {255, 255, 255}}},
        {
            "....................",
            "....................",
            "....aaaaaaaaa.......",
            "....abbbbbbbaa......",
            "....abbbbbbbaba.....",
            "....abbbbbbbaaaaa...",
            "....abbbbbbbbbbba...",
            "....abbbbbbbbbbba...",
            "....abbbbbbbbbbba...",
            "....abbbbbbbbbbba...",
            "....abbbbbbbbbbba...",
            "....abbbbbbbbbbba...",
            "....abbbbbbbbbbbac..",
            "....abbbbbbbbbbcac.c",
            "....abbbbbbbbbbbccc.",
            "....abbbbbbbbbcccccc",
            "....abbbbbbbbbbbccc.",
            "....abbbbbbbbbbcac.c",
            "....aaaaaaaaaaaaac..",
            "....................",
        }};
    // 601 Open: a folder
    static const platform::Picture p601{
        {{'a', {120, 80, 0}}, {'b', {240, 200, 80}}, {'c', {250, 220, 120}}},
        {
            "....................",
            "....................",
            "....................",
            "....................",
            "..aaaaaaa...........",
            "..abbbbba...........",
            "..aaaaaaaaaaaaaaaa..",
            "..abbbbbbbbbbbbbba..",
            "..abbbbbbbbbbbbbba..",
            "..abbaaaaaaaaaaaaaaa",
            "..abaccccccccccccca.",
            "..abaccccccccccccca.",
            "..aaccccccccccccca..",
            "..aaccccccccccccca..",
            "..aaccccccccccccca..",
            "..acccccccccccccaa..",
            "..acccccccccccccaa..",
            "..aaaaaaaaaaaaaaaa..",
            "....................",
            "....................",
        }};
    // 603 Save As: a disk with a pencil
    static const platform::Picture p603{
        {{'a', {20, 20, 80}}, {'b', {60, 90, 170}}, {'d', {200, 120, 0}}, {'e', {200, 200, 210}}, {'c', {255, 255, 255}}},
        {
            "....................",
            "....................",
            "..aaaaaaaaaaaaaaa...",
            "..abbaaaaaaaaabba...",
            "..abbacccccccabba...",
            "..abbacccccccabba...",
            "..abbacccccccabba...",
            "..abbacccccccabba...",
            "..abbaaaaaaaaabba...",
            "..abbbbbbbbbbbbba...",
            "..abbbbbbbbbbbbba.dd",
            "..abbaaaaaaaaabbaddd",
            "..abbaeeeeeeeabbddd.",
            "..abbaeeeeeeeabddd..",
            "..abbaeeeeeeeaddd...",
            "..abbaeeeeeeeddda...",
            "..abbaeeeeeedddba...",
            "..abbaaaaaadddbba...",
            "..aaaaaaaaaddaaaa...",
            "....................",
        }};
    // 611 New Grade: an A+ on a page
    static const platform::Picture p611{
        {{'a', {60, 60, 60}}, {'c', {200, 0, 0}}, {'b', {255, 255, 255}}},
        {
            "....................",
            "....................",
            "...aaaaaaaaaaa......",
            "...abbbbbbbbaba.....",
            "...abbbbbbbbabba....",
            "...abbbbbbbbabbba...",
            "...abbbbbbbbaaaaaa..",
            "...abbbbbbbbbbbbba..",
            "...abbcccbbbbbbbba..",
            "...abcbbbcbbbcbbba..",
            "...abcbbbcbbbcbbba..",
            "...abcccccbcccccba..",
            "...abcbbbcbbbcbbba..",
            "...abcbbbcbbbcbbba..",
            "...abcbbbcbbbbbbba..",
            "...abbbbbbbbbbbbba..",
            "...abbbbbbbbbbbbba..",
            "...abbbbbbbbbbbbba..",
            "...aaaaaaaaaaaaaaa..",
            "....................",
        }};
    // 612 Print Grades: a printer
    static const platform::Picture p612{
        {{'d', {0, 180, 0}}, {'a', {40, 40, 40}}, {'e', {80, 80, 80}}, {'c', {170, 170, 180}}, {'b', {255, 255, 255}}},
        {
            "....................",
            "....................",
            "......aaaaaaaaa.....",
            "......abbbbbbba.....",
            "......abbbbbbba.....",
            "......abbbbbbba.....",
            "......abbbbbbba.....",
            "......abbbbbbba.....",
            "..aaaaaaaaaaaaaaaa..",
            "..acccccccccccccca..",
            "..accccccccccccdcca.",
            "..accccccccccccccca.",
            "..accccccccccccccca.",
            "..accaaaaaaaaaaacca.",
            "..aacabbbbbbbbbaca..",
            "....aabeeeeeeebaa...",
            ".....abbbbbbbbba....",
            ".....abbbbbbbbba....",
            ".....aaaaaaaaaaa....",
            "....................",
        }};
    // 613 Add Students: a person and a plus
    static const platform::Picture p613{
        {{'c', {0, 140, 0}}, {'a', {30, 60, 120}}, {'b', {90, 140, 220}}},
        {
            "....................",
            "....................",
            "......aaaa..........",
            ".....abbbba.........",
            "....abbbbbba........",
            "....abbbbbba........",
            "....abbbbbba........",
            "....abbbbbba...cc...",
            ".....abbbba....cc...",
            ".....aaaaa.....cc...",
            "....abbbbbaa...cc...",
            "...abbbbbbbccccccccc",
            "..abbbbbbbbccccccccc",
            ".abbbbbbbbbbba.cc...",
            ".abbbbbbbbbbba.cc...",
            ".abbbbbbbbbbba.cc...",
            ".abbbbbbbbbbba.cc...",
            ".aaaaaaaaaaaaa......",
            "....................",
            "....................",
        }};
    // 604 Exit: a door with an arrow
    static const platform::Picture p604{
        {{'a', {90, 50, 20}}, {'b', {170, 110, 60}}, {'c', {200, 0, 0}}, {'d', {240, 220, 120}}},
        {
            "....................",
            "....................",
            "...aaaaaaaaaa.......",
            "...abbbbbbbba.......",
            "...abbbbbbbba.......",
            "...abbbbbbbba.......",
            "...abbbbbbbba..cc...",
            "...abbbbbbbba..ccc..",
            "...abbbbbbbba...ccc.",
            "...abbbbbdcccccccccc",
            "...abbbbbacccccccccc",
            "...abbbbbbbba...ccc.",
            "...abbbbbbbba..ccc..",
            "...abbbbbbbba..cc...",
            "...abbbbbbbba.......",
            "...abbbbbbbba.......",
            "...abbbbbbbba.......",
            "...abbbbbbbba.......",
            "...aaaaaaaaaa.......",
            "....................",
        }};
    // 605 Cascade: three windows one behind the other
    static const platform::Picture p605{
        {{'b', {0, 0, 150}}, {'d', {0, 0, 200}}, {'a', {40, 40, 40}}, {'c', {255, 255, 255}}},
        {
            "....................",
            "aaaaaaaaaaaa........",
            "abbbbbbbbbba........",
            "abbbbbbbbbba........",
            "acccccccccca........",
            "acccaaaaaaaaaaaa....",
            "acccabbbbbbbbbba....",
            "acccabbbbbbbbbba....",
            "acccacccccccccca....",
            "aaaaacccaaaaaaaaaaaa",
            "....acccadddddddddda",
            "....acccadddddddddda",
            "....acccacccccccccca",
            "....aaaaacccccccccca",
            "........acccccccccca",
            "........acccccccccca",
            "........acccccccccca",
            "........acccccccccca",
            "........aaaaaaaaaaaa",
            "....................",
        }};
    // 606 Tile: two windows one above the other
    static const platform::Picture p606{
        {{'b', {0, 0, 150}}, {'d', {0, 0, 200}}, {'a', {40, 40, 40}}, {'c', {255, 255, 255}}},
        {
            "....................",
            "....................",
            ".aaaaaaaaaaaaaaaaaaa",
            ".abbbbbbbbbbbbbbbbba",
            ".abbbbbbbbbbbbbbbbba",
            ".aaaaaaaaaaaaaaaaaaa",
            ".accccccccccccccccca",
            ".accccccccccccccccca",
            ".accccccccccccccccca",
            ".aaaaaaaaaaaaaaaaaaa",
            "....................",
            ".aaaaaaaaaaaaaaaaaaa",
            ".addddddddddddddddda",
            ".addddddddddddddddda",
            ".aaaaaaaaaaaaaaaaaaa",
            ".accccccccccccccccca",
            ".accccccccccccccccca",
            ".accccccccccccccccca",
            ".aaaaaaaaaaaaaaaaaaa",
            "....................",
        }};
    // 609 Close all: windows with a cross
    static const platform::Picture p609{
        {{'b', {0, 0, 150}}, {'d', {0, 0, 200}}, {'a', {40, 40, 40}}, {'e', {210, 0, 0}}, {'c', {255, 255, 255}}},
        {
            "....................",
            ".aaaaaaaaaaaaa......",
            ".abbbbbbbbbbba......",
            ".abbbbbbbbbbba......",
            ".aaaaaaaaaaaaa......",
            ".accaaaaaaaaaaaaa...",
            ".accaddddddddddda...",
            ".accaddddddddddda...",
            ".accaaaaaaaaaaaaa...",
            ".accaccccccccccca...",
            ".accaccccceeccccaee.",
            ".aaaaccccceeeccceee.",
            "....acccccceeeceee..",
            "....accccccceeeee...",
            "....acccccccceeea...",
            "....aaaaaaaaeeeee...",
            "...........eee.eee..",
            "..........eee...eee.",
            "..........ee.....ee.",
            "....................",
        }};
    // 610 Help: a question mark in a circle
    static const platform::Picture p610{
        {{'a', {0, 60, 140}}, {'b', {60, 130, 220}}, {'c', {255, 255, 255}}},
        {
            "....................",
            "....................",
            "........aaaaa.......",
            "......aabbbbbaa.....",
            ".....abbbbbbbbba....",
            "....abbbbbbbbbbba...",
            "...abbbbccccbbbbba..",
            "...abbbcbbbccbbbba..",
            "..abbbbbbbbccbbbbba.",
            "..abbbbbbbccbbbbbba.",
            "..abbbbbcccbbbbbbba.",
            "..abbbbbccbbbbbbbba.",
            "..abbbbbbbbbbbbbbba.",
            "...abbbbccbbbbbbba..",
            "...abbbbccbbbbbbba..",
            "....abbbbbbbbbbba...",
            ".....abbbbbbbbba....",
            "......aabbbbbaa.....",
            "........aaaaa.......",
            "....................",
        }};
    // 614 Undo: an arrow bending back to the left
    static const platform::Picture p614{
        {{'a', {40, 40, 40}}, {'c', {30, 110, 210}}},
        {
            "....................",
            "....................",
            "....................",
            ".....a..............",
            "....aa..............",
            "...acaaaaaaaa.......",
            "..accccccccccaa.....",
            ".acccccccccccccaa...",
            "..accccccccccccca...",
            "...acaaaaaaaaaccca..",
            "....aa.......accca..",
            ".....a........acca..",
            "..............acca..",
            ".............accca..",
            "............accca...",
            "..........aaccaa....",
            "..........aaaa......",
            "....................",
            "....................",
            "....................",
        }};
    // 615 Redo: an arrow bending on to the right
    static const platform::Picture p615{
        {{'a', {40, 40, 40}}, {'c', {30, 110, 210}}},
        {
            "....................",
            "....................",
            "....................",
            "..............a.....",
            "..............aa....",
            ".......aaaaaaaaca...",
            ".....aacccccccccca..",
            "...aaccccccccccccca.",
            "...accccccccccccca..",
            "..acccaaaaaaaaaca...",
            "..accca.......aa....",
            "..acca........a.....",
            "..acca..............",
            "..accca.............",
            "...accca............",
            "....aaccaa..........",
            "......aaaa..........",
            "....................",
            "....................",
            "....................",
        }};
    switch (bitmap) {
        case 600: return p600;
        case 601: return p601;
        case 603: return p603;
        case 611: return p611;
        case 612: return p612;
        case 613: return p613;
        case 614: return p614;
        case 615: return p615;
        case 604: return p604;
        case 605: return p605;
        case 606: return p606;
        case 609: return p609;
        case 610: return p610;
        default: return none;
    }
}

}  // namespace quorle::resources
