# Read by cpack before it installs into its staging folder. A Debian package
# puts the programs of a game in /usr/games, as Debian's policy asks; the
# game still finds its content one level up, in /usr/share/kovra2.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(ENV{KOVRA_BINDIR} games)
endif()
