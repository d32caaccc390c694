# Chapter "Stadttor": Ragnar's two ideas for getting past the guards, and the
# screen that says the story ends here for now.
#
# Markup (docs/story-markup.md): "=== name" starts a passage; every line is
# printed with a line end, "\" at its end glues it to what comes next, "~"
# alone is an empty line; {speech} {good} {bad} {normal} set the colour
# from there on; {name} is the hero's name; {n} a line end inside a
# sentence; {_} a blank that would otherwise be invisible; {‚} {‘} {„}
# quotation marks shown only without colours. "{option 1 >} Text" is an
# option line (> golden: it moves the story on; "again", "on", "dies" for
# the others), "{quit} Beenden" the quit line, {hint} the hint line. Blank
# lines and lines starting with # are ignored.

# Ends in Ragnar's colour, for his ideas that follow.
=== arrival
Schließlich taucht die Stadtmauer vor euch auf. Das Tor wird von zwei Männern bewacht, die mit Hellebarden bewaffnet sind. Ragnar bleibt abrupt stehen.
{speech}Wir können nicht einfach so in die Stadt spazieren.
~
Und wieso nicht, {normal}fragst du verwirrt.
{speech}Weil das Tor bewacht wird, {normal}erklärt er, {speech}und die Wachen würden uns ganz sicher erkennen. In der ganzen Gegend hängen Steckbriefe mit meinem Gesicht. Wir brauchen einen Plan.
{normal}Er wirkt nachdenklich.{speech} Lasst mich kurz überlegen.
{normal}Nach einem Moment der Stille nickt er schließlich mit einem Grinsen.
{speech}\

# Sets no colour before Ragnar's ideas: yellow the first time, golden (the
# options' colour) after a wrong entry.
=== ragnars_plan
Wir könnten warten, bis jemand vorbeikommt, ihn überfallen und uns seine Sachen als Verkleidung nehmen.
Oder wir nehmen den geheimen Weg durch die Kanalisation. Der ist allerdings gefährlich, denn dort unten hausen Goblins.
{normal}
~
{option 1 > dies} Überfall
{option 2 >} Kanalisation

# The last sentence breaks its line after "wegen", as it always has.
=== ambush
{normal}Mit einem mulmigen Gefühl stimmst du dem Überfall zu. Ragnar grinst, und ihr legt euch auf die Lauer.
Es dauert nicht lange, bis zwei unscheinbar aussehende Reisende aus der Stadt kommen.
Auf Ragnars Zeichen stürzt ihr euch auf sie, doch die beiden entpuppen sich als kampferprobte Krieger.
Einer von ihnen schießt Ragnar einen Pfeil ins Knie, woraufhin Ragnar urplötzlich zur Stadtwache wird und dich wegen{n}des Angriffs auf die Bürger der Stadt niederstreckt.

=== end_of_content
{bad}Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!
~
{bad}Drücke eine beliebige Taste um fortzufahren!
{normal}
~
