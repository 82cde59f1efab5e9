# The program's sources the fuzz targets reach, below src/. A new reader adds its sources here
# and its target under targets/.
set(kelvane_fuzz_reader_sources
    platform/paths.cpp base/controlcharacters.cpp base/textforms.cpp base/settingsstore.cpp
    base/settingscatalogue.cpp base/shortcutfile.cpp base/handover.cpp base/commandline.cpp
    base/startguard.cpp base/downloadlist.cpp base/rememberedanswers.cpp
    notes/notesformat.cpp notes/notesfile.cpp popups/blockedsites.cpp
    favorites/browserbookmarks.cpp favorites/firefoxplaces.cpp)
