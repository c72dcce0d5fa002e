// SPDX-License-Identifier: MIT
#include "Form1Layout.h"

namespace Form1Layout {
namespace {

constexpr TwipsRect Places[] = {
    {"Label3", 120, 0, 9255, 375},
    {"Label4", 120, 360, 9255, 255},
    {"SSTab1", 120, 960, 9255, 3975},
    {"Text1", 0, 4920, 9495, 615},
    {"Command7", 120, 5520, 975, 255},
    {"Command5", 1200, 5520, 975, 255},
    {"bar", 0, 5760, 9495, 255},
    {"StatusBar1", 0, ClientHeight - 300, ClientWidth, 300},
    // Page "Tabulka SMS Povelů"
    {"grid1", 360, 600, 8415, 3015},
    // Page "Nastavení"
    {"Frame1", 360, 1080, 4215, 1575},
    {"Label1", 480, 360, 3495, 255},
    {"Command8", 360, 720, 495, 375},
    {"Command9", 1080, 720, 495, 375},
    {"Command10", 1800, 720, 495, 375},
    {"Command11", 2520, 720, 495, 375},
    {"Command12", 3240, 720, 495, 375},
    {"Label2", 240, 1200, 3735, 255},
    {"Picture1", 4920, 720, 3975, 2655},
    {"Command6", 1320, 3000, 2295, 375},
    // Page "PC <--> GSM Pager"
    {"Frame2", 240, 600, 1215, 2415},
    {"Option1", 120, 360, 975, 255},
    {"Option2", 120, 600, 975, 255},
    {"Option3", 120, 840, 975, 255},
    {"Option4", 120, 1080, 975, 255},
    {"Option5", 120, 1320, 855, 255},
    {"Option6", 120, 1560, 975, 255},
    {"Command3", 120, 2040, 975, 255},
    {"Frame5", 1560, 600, 3615, 1815},
    {"Text2", 120, 240, 3375, 1455},
    {"Frame4", 1560, 2520, 3615, 1335},
    {"Command2", 1320, 360, 2175, 375},
    {"Command1", 1320, 720, 2175, 375},
    {"Frame3", 5280, 600, 3615, 2415},
    {"Label5", 120, 360, 3135, 735},
    {"Label10", 120, 1200, 3255, 375},
    {"Label6", 120, 1800, 735, 255},
    {"Label8", 840, 1800, 1815, 255},
    {"Label7", 120, 2040, 735, 255},
    {"Label9", 840, 2040, 2415, 255},
    {"Command13", 6840, 3240, 2055, 255},
    {"Command4", 7440, 3600, 1455, 255},
    // Configuration files, in the free room right of "win -> data"
    {"CommandOpen", 2280, 5520, 975, 255},
    {"CommandSave", 3360, 5520, 975, 255},
    // Verify, in Frame4 left of the transfer buttons
    {"CheckVerify", 120, 300, 1140, 420},
    {"CommandVerify", 120, 720, 1095, 375},
    // Any other serial port, under the frame "Port" (page controls)
    {"LabelPort", 240, 3060, 1215, 255},
    {"ComboPort", 240, 3300, 1215, 315},
    // A production run and the line trace, left of "HELP - jak postupovat" (page controls)
    {"CommandSeries", 5280, 3240, 1455, 255},
    {"CommandTrace", 5280, 3600, 2055, 255},
};

} // namespace

std::span<const TwipsRect> places()
{
    return Places;
}

} // namespace Form1Layout
