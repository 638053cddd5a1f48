# The layers, bottom to top (docs/layers.md). Each folder under src/ is one
# static library that uses only the layers named after it here, and theirs
# in turn. The build and the include check both read this table.
set(GAME_LAYERS platform battle waves hud shell areas ship screens frontend app)
set(GAME_USES_platform "")
set(GAME_USES_battle platform)
set(GAME_USES_waves battle)
set(GAME_USES_hud battle platform)
set(GAME_USES_shell hud battle platform)
set(GAME_USES_areas shell waves)
set(GAME_USES_ship shell)
set(GAME_USES_screens ship areas)
set(GAME_USES_frontend screens)
set(GAME_USES_app frontend)

# GAME_BELOW_<layer>: every layer it uses, directly or through another.
foreach(game_layer IN LISTS GAME_LAYERS)
  set(game_below "")
  foreach(game_used IN LISTS GAME_USES_${game_layer})
    list(APPEND game_below ${game_used} ${GAME_BELOW_${game_used}})
  endforeach()
  list(REMOVE_DUPLICATES game_below)
  set(GAME_BELOW_${game_layer} ${game_below})
endforeach()
