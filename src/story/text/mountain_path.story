# The mountain path, the armed way to the mountains from the crossroads of
# "Das Erwachen": four wolves, Ragnar's spear just in time, a night in his
# cave, and in the morning the question of who the hero really is.
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

# Shown again after every wrong entry. No colour is set: everything is in the
# normal colour the crossroads left, the answers too. The last sentence of the
# text breaks over two screen lines.
=== wolves_attack
Die Hand am Griff des Schwertes, um dich ein wenig sicherer zu fühlen, machst du dich auf den Weg.
Schon bald hörst du mehrere Wölfe heulen. Hastig ziehst du das Schwert und siehst dich um.
Vier Wölfe springen aus dem Dickicht, die Augen voller Blutgier, und fletschen die Zähne, bereit, dich zu verschlingen.
Eine Flucht scheint unmöglich, also machst du dich bereit, um dein Leben zu kämpfen. Du hast noch nie zuvor{n}mit einem Schwert gekämpft, doch dir bleibt keine Wahl.
~
~
{option 1 dies} Dich auf den nächsten Wolf stürzen und ihn angreifen
{option 2 on} Brüllen, um sie abzuschrecken
{option 3 on} Den ersten Angriff abwarten und versuchen, auszuweichen

=== attack_wolf
Du stürmst los und fuchtelst unbeholfen mit dem Schwert herum, doch du triffst nichts.
Die Wölfe nutzen die Gelegenheit: Einer verbeißt sich in deinem Arm, und mit einem Schrei lässt du das Schwert fallen.
Der Kampf endet mit deinem qualvollen Tod.

=== roar_at_wolves
Du gibst dir alle Mühe, bedrohlich zu wirken, doch so richtig will es dir nicht gelingen.
Dein Gebrüll reizt die Wölfe nur. Sie wirken beinahe AMÜSIERT.
Einer von ihnen springt auf dich zu, und nur mit einem Satz zur Seite kannst du ihm knapp ausweichen.
Doch seine Krallen erwischen deine Wade und hinterlassen eine leicht blutende Wunde.

# The second sentence breaks over two screen lines.
=== await_attack
Du beschließt abzuwarten und die Lage einzuschätzen, so wie du es aus Videospielen kennst. Wachsam beobachtest du die Wölfe, jederzeit bereit.
Als der erste Wolf springt, weichst du ihm sofort mit einem{n}Satz zur Seite aus.
Der zweite springt gleich hinterher, und wie durch Zufall wehrst du ihn mit dem Schwert ab und triffst ihn tödlich an der Kehle. Während er winselnd verblutet, knurren die anderen drei und machen sich zu einem gemeinsamen Angriff bereit.

# After waiting for the attack one wolf already lies dead.
=== spear_kills_another_wolf
Plötzlich raschelt es, und wie aus dem Nichts trifft ein Speer einen weiteren Wolf und tötet ihn auf der Stelle.

# After the roar all four are still alive.
=== spear_kills_a_wolf
Plötzlich raschelt es, und wie aus dem Nichts trifft ein Speer einen der Wölfe und tötet ihn auf der Stelle.

# The first sentence breaks over two screen lines.
=== ragnar_rescue
Überrascht drehst du dich in die Richtung, aus der der Speer kam, und siehst Ragnar, der dich lässig angrinst, einen weiteren{n}Speer bereits in der Hand.
~
~
{speech}Braucht Ihr vielleicht Hilfe?
{normal}Die übrigen Wölfe ergreifen nun hastig die Flucht. {speech}Ja, lauft nur, ihr Flohsäcke!{normal} ruft Ragnar ihnen lachend hinterher und wendet sich dann wieder dir zu.
{speech}Ganz in der Nähe gibt es eine Höhle, in der ich Unterschlupf gefunden habe. Lasst uns dorthin gehen.
{normal}Erleichtert und dankbar nickst du und folgst ihm.
~
~

=== cave_night
Endlich erreicht ihr die Höhle, und du kannst dich ausruhen. Erst jetzt merkst du, wie erschöpft du bist.
Auch Ragnar scheint das zu spüren. {speech}Legt Euch hin und schlaft eine Weile,{normal} sagt er,{speech} wir reden morgen.
{normal}Gähnend legst du dich neben das Feuer, das Ragnar entfacht hat. Der steinige Boden ist hart, doch du schläfst sofort ein.
~
~

=== morning
Das fahle Morgenlicht weckt dich. Ragnar ist bereits auf den Beinen und brät Fleisch über dem Feuer.
Gerade rechtzeitig, denn dein Magen beginnt zu knurren. Ragnar hört es und lacht.
{speech}
Guten Morgen, Fremder. Ich brate gerade meinen Fang, er reicht für uns beide. Wasser findet Ihr am Bach, ein paar Schritte südlich von hier.
{normal}Du nickst ihm nur zu, während du dich langsam aufrappelst.
~

# Only after the roar: the wolf's claw in the calf.
=== bind_wound
Als du dich aufrichtest, schmerzt die Wunde an deiner Wade.
Jetzt bemerkt auch Ragnar sie.
{speech}Das sollten wir gleich versorgen,{normal} sagt er und reißt einen Streifen von seinem abgetragenen Hemd, um die Wunde damit zu verbinden.
{speech}Danke,{normal} sagst du und fühlst dich tief in seiner Schuld.
Ragnar winkt nur ab und wendet sich wieder dem Fleisch zu.
~
~

# Ragnar goes on speaking with the question, on the same line.
=== lets_talk
{speech}Nun können wir ja reden,{normal} sagt Ragnar lächelnd. {speech}\

# Shown again after every wrong entry: then it stands on its own line, in
# the normal colour.
=== name_question
Fangen wir doch damit an, wer Ihr eigentlich seid.
{normal}
~
{option 1 on} Deinen echten Namen nennen
{option 2 on} Dich weiter als Hulgor vorstellen

=== true_name
Du nennst ihm deinen echten Namen und bist ehrlich zu ihm. Ragnar grinst.
{speech}Ich wusste doch, dass Ihr NICHT Hulgor seid! Freut mich, Euch kennenzulernen, {name}!
~
~

=== still_hulgor
Deine Antwort scheint Ragnar nicht zu gefallen.
{speech}Das glaube ich Euch nicht. Aber wenn Ihr darauf besteht, dann seid Ihr eben Hulgor.
{normal}Die Skepsis in seiner Stimme ist nicht zu überhören.
~
~

# Below the banner of the worse standing.
=== after_worse_banner
~
~

=== the_talk
Ragnar lächelt dich an.
{speech}Sagt, wie seid Ihr eigentlich dem Kaiserreich in die Hände gefallen?
{normal}Du zuckst mit den Schultern. So sehr du dich auch bemühst, du kannst dich nicht erinnern.
{speech}Ich weiß es nicht. Das Letzte, woran ich mich erinnere, ist, dass ich an meinem PC saß und ein neues Rollenspiel ausprobieren wollte.
{normal}Ragnar sieht dich skeptisch an.{speech} Was ist ein PC?
{normal}Du überlegst kurz, es ihm zu erklären, lässt es dann aber bleiben.
{speech}Das ist nicht so wichtig. Jedenfalls komme ich aus einer anderen Welt und muss herausfinden, wie ich dorthin zurückkomme.
{normal}Ragnar sieht dich noch immer an, als hättest du den Verstand verloren, doch dann nickt er.
{speech}Das klingt alles ziemlich verrückt. Aber wenn Ihr die Wahrheit sagt, dann kann Euch nur eine helfen: DAS ORAKEL.
{normal}Ragnar wirkt einen Moment lang nachdenklich.\

=== ragnar_comes_along
{speech} Ich werde Euch zu ihr bringen.
{normal}Du hast nichts dagegen einzuwenden und nickst. So wird Ragnar zu deinem Gefährten.
~
~

# Follows the period of the line before without a blank.
=== go_on_alone
{speech}Ich zeige Euch den Weg. Als der legendäre Hulgor werdet Ihr es ja wohl allein schaffen.
{normal}Du schluckst. Dich als den großen Helden auszugeben, war wohl doch nicht so klug.
Aber du bist zu stolz, um jetzt zuzugeben, dass du Hilfe brauchst.
Und so ziehst du allein weiter, nachdem du etwas gegessen hast.
~
~
