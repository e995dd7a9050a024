#include "CogScriptText.h"

namespace bench {

namespace {

const char* const kVerbs[] = {"SetThingLight", "PlaySoundThing", "MoveToFrame", "SetWallCel", "SetThingFlags",
                              "ClearThingFlags", "SetSurfaceFlags", "SetSectorLight", "SetInv", "ChangeInv"};

// Appends each piece in turn (chains of + on temporaries draw a false
// -Wrestrict from GCC 12).
template <class... Pieces>
void add(std::string& s, const Pieces&... pieces) {
  (s.append(pieces), ...);
}

}  // namespace

std::string cogScriptText(std::size_t size, unsigned seed, bool exact) {
  const std::string n = std::to_string(seed);
  std::string s;
  s.reserve(size + 2048);
  add(s, "# Jedi Knight Cog Script\r\n#\r\n# GEN", n, ".COG\r\n#\r\n");
  add(s, "# Opens the doors of room ", n, " when its switches are used; it's the \"test\" level's\r\n");
  s += "# script, lit while moving. \xa9 generated for the benchmarks\r\n#\r\n"
       "flags=0x240\r\n\r\n"
       "symbols\r\n\r\n"
       "message     startup\r\n"
       "message     activated\r\n"
       "message     arrived\r\n"
       "message     timer\r\n"
       "message     pulse\r\n"
       "message     user0\r\n\r\n";
  for (int i = 0; i < 8; ++i) {
    const std::string k = std::to_string(i);
    add(s, "thing       door", k, "                          linkid=", k, "\r\n");
    add(s, "surface     switch", k, "                        linkid=", k, "\r\n");
  }
  s += "sector      room                           mask=0x400\r\n"
       "template    spark=+sparks                  local\r\n"
       "sound       opensnd=df_door2-1.wav         local\r\n"
       "keyframe    rise=door.key                  local\r\n"
       "cog         partner                        nolink\r\n"
       "flex        speed=4.0                      desc=speed\r\n"
       "float       delay=0.5                      local\r\n"
       "int         i=0                            local\r\n"
       "int         moving=0                       local\r\n"
       "vector      offset                         local\r\n\r\n"
       "end\r\n\r\n"
       "# ========================================================================\r\n\r\n"
       "code\r\n\r\n"
       "startup:\r\n"
       "   offset = '0 0 0.4';\r\n"
       "   for (i = 0; i < 8; i = i + 1)\r\n"
       "   {\r\n"
       "      SetThingLight(door0[i], 0.5, 1.0);\r\n"
       "   }\r\n"
       "   SetPulse(0.25);\r\n"
       "   Return;\r\n\r\n"
       "activated:\r\n"
       "user0:\r\n"
       "   if (moving) Return;\r\n"
       "   moving = 1;\r\n"
       "   call opendoors;\r\n"
       "   SetTimer(delay);\r\n"
       "   Return;\r\n\r\n"
       "arrived:\r\n"
       "   moving = 0;\r\n"
       "   Return;\r\n\r\n"
       "timer:\r\n"
       "   CreateThingAtPos(spark, room, VectorAdd(GetThingPos(door0), offset), '0 0 0');\r\n"
       "   Return;\r\n\r\n"
       "pulse:\r\n"
       "   SendMessage(partner, user0);\r\n"
       "   Return;\r\n\r\n"
       "opendoors:\r\n"
       "   for (i = 0; i < 8; i = i + 1)\r\n"
       "   {\r\n"
       "      PlaySoundThing(opensnd, door0[i], 1.0, -1, -1, 0);\r\n"
       "      MoveToFrame(door0[i], 1, speed);\r\n"
       "      SetWallCel(switch0[i], 1);\r\n"
       "   }\r\n"
       "   Return;\r\n\r\n";
  // Subroutines until the size is reached.
  const std::string tail = "end\r\n";
  for (unsigned r = seed * 2654435761u, k = 0; s.size() + 600 + tail.size() < size; ++k) {
    r = r * 1664525u + 1013904223u;
    const std::string id = std::to_string(k);
    const char* verb = kVerbs[(r >> 8) % (sizeof kVerbs / sizeof *kVerbs)];
    const std::string lim = std::to_string(r % 7 + 1), a = std::to_string(r % 8), b = std::to_string((r >> 4) % 8);
    add(s, "# step ", id, ": don't let the player's \"shortcut\" skip it\r\n", "step", id, ":\r\n");
    add(s, "   count", id, " = 0;\r\n", "   while (count", id, " < ", lim, ")\r\n", "   {\r\n");
    add(s, "      if (GetThingHealth(door", a, ") > 0 && !moving)\r\n");
    add(s, "         ", verb, "(door", b, ", count", id, ", 1);\r\n", "      else\r\n");
    add(s, "         total = (total + count", id, " * 2) % 16 - -1;\r\n");
    add(s, "      count", id, " = count", id, " + 1;\r\n", "   }\r\n");
    add(s, "   do total = total - 1; while (total > 4);\r\n", "   Return;\r\n\r\n");
  }
  if (exact && s.size() + tail.size() < size) {
    const std::size_t room = size - s.size() - tail.size();
    if (room >= 3) {
      s += '#';
      s.append(room - 3, '=');
      s += "\r\n";
    } else {
      s.append(room, ' ');
    }
  }
  s += tail;
  return s;
}

}  // namespace bench
