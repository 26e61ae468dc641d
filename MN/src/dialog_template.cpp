#include "mn/dialog_template.h"

namespace mn {
namespace {

using K = ControlKind;

constexpr std::array<ControlTemplate, 52> controls = {{
    {1001, K::group_box, "Input", 3, 34, 193, 351},
    {1002, K::centred_static_text, "Gas composition", 39, 57, 59, 8},
    // Labels, row by row; identifier 1021 + slot.
    {1036, K::static_text, "CO2........Carbon dioxide.........[%]", 11, 76, 106, 11},
    {1035, K::static_text, "N2..........Nitrogen...................[%]", 11, 93, 106, 11},
    {1037, K::static_text, "O2..........Oxygen....................[%]", 11, 110, 106, 11},
    {1028, K::static_text, "H2...........Hydrogen................[%]", 11, 127, 106, 11},
    // "momoxide" as the template has it.
    {1022, K::static_text, "CO...........Carbon momoxide...[%]", 11, 144, 106, 11},
    {1032, K::static_text, "CH4.........Methane................[%]", 11, 161, 106, 11},
    {1025, K::static_text, "C2H4.......Ethylene.................[%]", 11, 178, 106, 11},
    {1030, K::static_text, "C2H6.......Ethane...................[%]", 11, 195, 106, 11},
    {1026, K::static_text, "C3H6.......Propylene...............[%]", 11, 212, 106, 11},
    {1029, K::static_text, "C3H8.......Propane.................[%]", 11, 229, 106, 11},
    {1023, K::static_text, "C4H6.......Butadiene..............[%]", 11, 246, 106, 11},
    {1024, K::static_text, "C4H8.......Butene...................[%]", 11, 263, 106, 11},
    {1031, K::static_text, "C4H10.....Butane...................[%]", 11, 280, 106, 11},
    {1034, K::static_text, "C5H12....Pentane..................[%]", 11, 297, 106, 11},
    {1033, K::static_text, "C6+.........Hexanes+...............[%]", 11, 314, 106, 11},
    {1027, K::static_text, "H2S........Hydrogen sulphide..[%]", 11, 331, 106, 11},
    {1038, K::static_text, "H2O........Water vapour.........[%]", 11, 348, 106, 11},
    // 44 is the height of the open list.
    {1068, K::unit_selector, "", 127, 52, 58, 44},
    // Component fields, row by row; identifier 1002 + slot.
    {1017, K::component_field, "", 126, 71, 59, 14},
    {1016, K::component_field, "", 126, 89, 59, 14},
    {1018, K::component_field, "", 126, 106, 59, 14},
    {1009, K::component_field, "", 126, 122, 59, 14},
    {1003, K::component_field, "", 126, 140, 59, 14},
    {1013, K::component_field, "", 126, 156, 59, 14},
    {1006, K::component_field, "", 126, 174, 59, 14},
    {1011, K::component_field, "", 126, 191, 59, 14},
    {1007, K::component_field, "", 126, 207, 59, 14},
    {1010, K::component_field, "", 126, 225, 59, 14},
    {1004, K::component_field, "", 126, 242, 59, 14},
    {1005, K::component_field, "", 126, 258, 59, 14},
    {1012, K::component_field, "", 126, 276, 59, 14},
    {1015, K::component_field, "", 126, 292, 59, 14},
    {1014, K::component_field, "", 126, 310, 59, 14},
    {1008, K::component_field, "", 126, 327, 59, 14},
    {1019, K::component_field, "", 126, 343, 59, 14},
    {1020, K::read_only_field, "", 127, 363, 57, 15},
    {1039, K::static_text, "Total  [%]", 85, 364, 34, 11},
    {1071, K::push_button, "Clear", 259, 172, 50, 14},
    {1040, K::push_button, "Calculate", 259, 197, 50, 14},
    {1072, K::push_button, "Help", 259, 222, 50, 14},
    {1041, K::push_button, "Exit", 259, 247, 50, 14},
    {1047, K::group_box, "Output", 222, 313, 129, 71},
    {1057, K::static_text, "Methane Number  [-]", 230, 342, 71, 11},
    {1050, K::read_only_field, "", 305, 339, 30, 14},
    {-1, K::logo_picture, "", 207, 36, 156, 78},
    {1073, K::static_text, "Quelmar", 230, 330, 44, 11},
    {1076, K::banner_picture, "Methane Number Calculation", 75, 9, 211, 20},
    {1077, K::static_text, "tervol-Version: ", 231, 358, 51, 12},
    {1078, K::borderless_read_only_field, "", 283, 359, 51, 11},
    {1079, K::static_text, "mn-Version : 2.0.1", 250, 125, 73, 13},
}};

} // namespace

std::span<const ControlTemplate> main_dialog_controls() {
    return controls;
}

} // namespace mn
