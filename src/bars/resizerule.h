#pragma once

namespace kelvane {

// Widths and positions of the address-bar row, all in twips.
struct AddressRowInput {
    double windowWidth = 0; // the main window's outer width
    double goWidth = 0;
    double goNewWidth = 0;
    double labelWidth = 0;
    double addressLeft = 0;
    double tabBarLeft = 0;
};

struct AddressRowLayout {
    int addressWidth = 0; // never below 0
    double goLeft = 0;    // positions are not rounded
    double goNewLeft = 0;
    int tabBarWidth = 0; // never below 0
};

// The main window's resize rule for the address row and the tab bar.
AddressRowLayout computeAddressRow(const AddressRowInput& in);

} // namespace kelvane
