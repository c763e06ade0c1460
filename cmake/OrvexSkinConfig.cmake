# find_package(OrvexSkin) gives Orvex::Skin: the title-bar control, the
# shared library libOrvexSkin with its headers under OrvexSkin/.
include(CMakeFindDependencyMacro)
find_dependency(Qt6 6.4 COMPONENTS Core Gui Widgets)
include("${CMAKE_CURRENT_LIST_DIR}/OrvexSkinTargets.cmake")
