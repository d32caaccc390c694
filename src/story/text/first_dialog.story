# Chapter "erster Dialog": waking up on the prisoner cart.
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

=== opening
Langsam öffnest du die Augen. Verwirrt stellst du fest, dass du nicht mehr in deinem Schlafzimmer bist.
Stattdessen sitzt du gefesselt auf einem Pferdekarren, eingezwängt zwischen anderen Gefangenen.
Keinen von ihnen hast du je zuvor gesehen, und der Karren rumpelt mitten auf einer Straße dahin. Die Straße windet sich durch eine verschneite Winterlandschaft, und du hast nicht die geringste Ahnung, wie du hierhergekommen bist.
Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer billigen Fernsehserie erinnert. Er mustert dich.

=== greeting
{speech}
Ihr seid also endlich wach,{normal} sagt er mit tiefer Stimme und sieht dich seltsam emotionslos an.
~

=== options
{hint}
{option 1 >} Aufspringen und die Flucht ergreifen.
{option 2 >} Fragen, wo du bist
{option 3 >} Um Hilfe rufen
~
~
{quit} Spiel beenden

=== flee
Erschrocken willst du aufspringen, doch die Fesseln halten dich unerbittlich fest.
~
Der Wikinger lacht spöttisch.{_}
~
{speech}Die Stricke sind dick. Ohne eine scharfe Klinge wird das nichts,{normal} sagt er resigniert.

=== where_am_i
Du fragst, wo du bist.
Der Wikinger sieht dich irritiert an.
{speech}Man hat Euch wohl zu fest auf den Kopf geschlagen. Ihr seid auf dem Weg zu Eurer Hinrichtung, so wie wir alle hier.
{normal}Entgeistert starrst du ihn an. Hinrichtung? Warum um alles in der Welt solltest du hingerichtet werden? Das muss ein böser Traum sein.
Der Wikinger lacht erneut.
{speech}Findet Euch damit ab, {normal}sagt er,{speech} Ihr seid ein Feind des Kaiserreichs. Also betet zu Euren Göttern und schließt Euren Frieden.
{normal}\

=== call_for_help
Verzweifelt rufst du um Hilfe.
{speech}Haltet da hinten gefälligst das Maul!{normal} faucht dich der Kutscher an, an dessen Gürtel ein Schwert baumelt.
Du beschließt, ihn lieber nicht weiter zu provozieren.

=== closing
~
~
{normal}Einen Moment lang schweigst du und lässt das alles auf dich wirken. Noch immer begreifst du nicht, was hier eigentlich vor sich geht.
Auch die anderen Gefangenen schweigen. Sie scheinen sich mit dem abgefunden zu haben, was ihnen bevorsteht.
Alle tragen schlichte Kleidung, die auf dich irgendwie mittelalterlich wirkt. Und du selbst auch, was dich noch mehr irritiert.
Immer mehr Fragen schwirren dir durch den Kopf.
~
