# The mountain path, the armed way to the mountains from the crossroads of
# "The Awakening": four wolves, Ragnar's spear just in time, a night in his
# cave, and in the morning the question of who the hero really is.

# Shown again after every wrong entry; no colour is set, the answers too stay
# in the normal colour the crossroads left.
=== wolves_attack @7f098d6d
#| Die Hand am Griff des Schwertes, um dich ein wenig sicherer zu fühlen, machst du dich auf den Weg.
#| Schon bald hörst du mehrere Wölfe heulen. Hastig ziehst du das Schwert und siehst dich um.
#| Vier Wölfe springen aus dem Dickicht, die Augen voller Blutgier, und fletschen die Zähne, bereit, dich zu verschlingen.
#| Eine Flucht scheint unmöglich, also machst du dich bereit, um dein Leben zu kämpfen. Du hast noch nie zuvor{n}mit einem Schwert gekämpft, doch dir bleibt keine Wahl.
#| ~
#| ~
#| {option 1 dies} Dich auf den nächsten Wolf stürzen und ihn angreifen
#| {option 2 on} Brüllen, um sie abzuschrecken
#| {option 3 on} Den ersten Angriff abwarten und versuchen, auszuweichen
With your hand on the hilt of your sword, just to feel a little safer, you set off.
Soon you hear several wolves howling. Hastily you draw your sword and look around.
Four wolves leap out of the thicket, their eyes full of bloodlust, baring their teeth, ready to devour you.
Running away seems impossible, so you get ready to fight for your life. You have never fought{n}with a sword before, but you have no choice.
~
~
{option 1 dies} Throw yourself at the nearest wolf and attack it
{option 2 on} Roar to scare them off
{option 3 on} Wait for the first attack and try to dodge it

=== attack_wolf @b3417945
#| Du stürmst los und fuchtelst unbeholfen mit dem Schwert herum, doch du triffst nichts.
#| Die Wölfe nutzen die Gelegenheit: Einer verbeißt sich in deinem Arm, und mit einem Schrei lässt du das Schwert fallen.
#| Der Kampf endet mit deinem qualvollen Tod.
You charge forward and flail clumsily with your sword, but you hit nothing.
The wolves seize their chance: one sinks its teeth into your arm, and with a scream you drop the sword.
The fight ends in your agonizing death.

=== roar_at_wolves @811f0603
#| Du gibst dir alle Mühe, bedrohlich zu wirken, doch so richtig will es dir nicht gelingen.
#| Dein Gebrüll reizt die Wölfe nur. Sie wirken beinahe AMÜSIERT.
#| Einer von ihnen springt auf dich zu, und nur mit einem Satz zur Seite kannst du ihm knapp ausweichen.
#| Doch seine Krallen erwischen deine Wade und hinterlassen eine leicht blutende Wunde.
You do your very best to look menacing, but somehow it doesn't quite come off.
Your roar only riles the wolves. They look almost AMUSED.
One of them leaps at you, and only a jump to the side lets you dodge it by a hair.
But its claws catch your calf and leave a shallow, bleeding wound.

=== await_attack @c6a2f8b9
#| Du beschließt abzuwarten und die Lage einzuschätzen, so wie du es aus Videospielen kennst. Wachsam beobachtest du die Wölfe, jederzeit bereit.
#| Als der erste Wolf springt, weichst du ihm sofort mit einem{n}Satz zur Seite aus.
#| Der zweite springt gleich hinterher, und wie durch Zufall wehrst du ihn mit dem Schwert ab und triffst ihn tödlich an der Kehle. Während er winselnd verblutet, knurren die anderen drei und machen sich zu einem gemeinsamen Angriff bereit.
You decide to wait and size up the situation, just as video games have taught you. Warily you watch the wolves, ready for anything.
When the first wolf leaps, you instantly dodge it with a{n}jump to the side.
The second one leaps right after it, and as if by accident you fend it off with your sword and strike it fatally in the throat. As it whimpers and bleeds to death, the other three growl and get ready to attack together.

# After waiting for the attack one wolf already lies dead.
=== spear_kills_another_wolf @8643aaea
#| Plötzlich raschelt es, und wie aus dem Nichts trifft ein Speer einen weiteren Wolf und tötet ihn auf der Stelle.
Suddenly something rustles, and out of nowhere a spear hits another wolf and kills it on the spot.

# After the roar all four are still alive.
=== spear_kills_a_wolf @944035bf
#| Plötzlich raschelt es, und wie aus dem Nichts trifft ein Speer einen der Wölfe und tötet ihn auf der Stelle.
Suddenly something rustles, and out of nowhere a spear hits one of the wolves and kills it on the spot.

=== ragnar_rescue @d8b79e75
#| Überrascht drehst du dich in die Richtung, aus der der Speer kam, und siehst Ragnar, der dich lässig angrinst, einen weiteren{n}Speer bereits in der Hand.
#| ~
#| ~
#| {speech}Braucht Ihr vielleicht Hilfe?
#| {normal}Die übrigen Wölfe ergreifen nun hastig die Flucht. {speech}Ja, lauft nur, ihr Flohsäcke!{normal} ruft Ragnar ihnen lachend hinterher und wendet sich dann wieder dir zu.
#| {speech}Ganz in der Nähe gibt es eine Höhle, in der ich Unterschlupf gefunden habe. Lasst uns dorthin gehen.
#| {normal}Erleichtert und dankbar nickst du und folgst ihm.
#| ~
#| ~
Surprised, you turn toward where the spear came from and see Ragnar grinning at you casually, another{n}spear already in his hand.
~
~
{speech}Might you be in need of some help?
{normal}The remaining wolves now hastily take flight. {speech}Yes, run along, you fleabags!{normal} Ragnar calls after them with a laugh, and then turns back to you.
{speech}There is a cave close by where I have found shelter. Let us go there.
{normal}Relieved and grateful, you nod and follow him.
~
~

=== cave_night @2a4ecbaf
#| Endlich erreicht ihr die Höhle, und du kannst dich ausruhen. Erst jetzt merkst du, wie erschöpft du bist.
#| Auch Ragnar scheint das zu spüren. {speech}Legt Euch hin und schlaft eine Weile,{normal} sagt er,{speech} wir reden morgen.
#| {normal}Gähnend legst du dich neben das Feuer, das Ragnar entfacht hat. Der steinige Boden ist hart, doch du schläfst sofort ein.
#| ~
#| ~
At last you reach the cave, and you can rest. Only now do you notice how exhausted you are.
Ragnar seems to sense it too. {speech}Lie down and sleep a while,{normal} he says,{speech} we shall talk tomorrow.
{normal}Yawning, you lie down by the fire Ragnar has lit. The stony ground is hard, but you fall asleep at once.
~
~

=== morning @9fc78009
#| Das fahle Morgenlicht weckt dich. Ragnar ist bereits auf den Beinen und brät Fleisch über dem Feuer.
#| Gerade rechtzeitig, denn dein Magen beginnt zu knurren. Ragnar hört es und lacht.
#| {speech}
#| Guten Morgen, Fremder. Ich brate gerade meinen Fang, er reicht für uns beide. Wasser findet Ihr am Bach, ein paar Schritte südlich von hier.
#| {normal}Du nickst ihm nur zu, während du dich langsam aufrappelst.
#| ~
The pale morning light wakes you. Ragnar is already up and about, roasting meat over the fire.
Just in time, because your stomach starts to growl. Ragnar hears it and laughs.
{speech}
Good morning, stranger. I am roasting my catch, and there is enough for us both. You will find water at the brook, a few steps south of here.
{normal}You just nod at him as you slowly pick yourself up.
~

# Only after the roar: the wolf's claw in the calf.
=== bind_wound @77d31aac
#| Als du dich aufrichtest, schmerzt die Wunde an deiner Wade.
#| Jetzt bemerkt auch Ragnar sie.
#| {speech}Das sollten wir gleich versorgen,{normal} sagt er und reißt einen Streifen von seinem abgetragenen Hemd, um die Wunde damit zu verbinden.
#| {speech}Danke,{normal} sagst du und fühlst dich tief in seiner Schuld.
#| Ragnar winkt nur ab und wendet sich wieder dem Fleisch zu.
#| ~
#| ~
As you stand up, the wound on your calf starts to hurt.
Now Ragnar notices it too.
{speech}We should tend to that at once,{normal} he says, and tears a strip from his threadbare shirt to bind the wound with.
{speech}Thank you,{normal} you say, feeling deeply in his debt.
Ragnar just waves it away and turns back to the meat.
~
~

# Ragnar goes on speaking with the question, on the same line.
=== lets_talk @96265074
#| {speech}Nun können wir ja reden,{normal} sagt Ragnar lächelnd. {speech}\
{speech}Now we can talk,{normal} Ragnar says with a smile. {speech}\

# Shown again after every wrong entry: then it stands on its own line, in
# the normal colour.
=== name_question @9ccc911e
#| Fangen wir doch damit an, wer Ihr eigentlich seid.
#| {normal}
#| ~
#| {option 1 on} Deinen echten Namen nennen
#| {option 2 on} Dich weiter als Hulgor vorstellen
Let us begin with who you really are.
{normal}
~
{option 1 on} Tell him your real name
{option 2 on} Go on calling yourself Hulgor

=== true_name @bb6f041c
#| Du nennst ihm deinen echten Namen und bist ehrlich zu ihm. Ragnar grinst.
#| {speech}Ich wusste doch, dass Ihr NICHT Hulgor seid! Freut mich, Euch kennenzulernen, {name}!
#| ~
#| ~
You tell him your real name and come clean with him. Ragnar grins.
{speech}I knew you were NOT Hulgor! I am glad to make your acquaintance, {name}!
~
~

=== still_hulgor @95facfb5
#| Deine Antwort scheint Ragnar nicht zu gefallen.
#| {speech}Das glaube ich Euch nicht. Aber wenn Ihr darauf besteht, dann seid Ihr eben Hulgor.
#| {normal}Die Skepsis in seiner Stimme ist nicht zu überhören.
#| ~
#| ~
Ragnar doesn't seem to like your answer.
{speech}I do not believe you. But if you insist, then Hulgor you shall be.
{normal}There's no missing the doubt in his voice.
~
~

# Below the banner of the worse standing.
=== after_worse_banner @0beb99b5
#| ~
#| ~
~
~

=== the_talk @24ac4b5e
#| Ragnar lächelt dich an.
#| {speech}Sagt, wie seid Ihr eigentlich dem Kaiserreich in die Hände gefallen?
#| {normal}Du zuckst mit den Schultern. So sehr du dich auch bemühst, du kannst dich nicht erinnern.
#| {speech}Ich weiß es nicht. Das Letzte, woran ich mich erinnere, ist, dass ich an meinem PC saß und ein neues Rollenspiel ausprobieren wollte.
#| {normal}Ragnar sieht dich skeptisch an.{speech} Was ist ein PC?
#| {normal}Du überlegst kurz, es ihm zu erklären, lässt es dann aber bleiben.
#| {speech}Das ist nicht so wichtig. Jedenfalls komme ich aus einer anderen Welt und muss herausfinden, wie ich dorthin zurückkomme.
#| {normal}Ragnar sieht dich noch immer an, als hättest du den Verstand verloren, doch dann nickt er.
#| {speech}Das klingt alles ziemlich verrückt. Aber wenn Ihr die Wahrheit sagt, dann kann Euch nur eine helfen: DAS ORAKEL.
#| {normal}Ragnar wirkt einen Moment lang nachdenklich.\
Ragnar smiles at you.
{speech}Tell me, how did you come to fall into the hands of the Empire?
{normal}You shrug. Try as you might, you can't remember.
{speech}I do not know. The last thing I remember is sitting at my PC, about to try out a new role-playing game.
{normal}Ragnar gives you a skeptical look.{speech} What is a PC?
{normal}You briefly consider explaining it to him, but then think better of it.
{speech}That is not important. In any case, I come from another world, and I must find out how to get back there.
{normal}Ragnar still looks at you as if you had lost your mind, but then he nods.
{speech}That all sounds rather mad. But if you speak the truth, then only one can help you: THE ORACLE.
{normal}Ragnar seems lost in thought for a moment.\

=== ragnar_comes_along @4eb572b7
#| {speech} Ich werde Euch zu ihr bringen.
#| {normal}Du hast nichts dagegen einzuwenden und nickst. So wird Ragnar zu deinem Gefährten.
#| ~
#| ~
{speech} I shall take you to her.
{normal}You have no objection, so you nod. And so Ragnar becomes your companion.
~
~

# Follows the period of the line before without a blank.
=== go_on_alone @58952a33
#| {speech}Ich zeige Euch den Weg. Als der legendäre Hulgor werdet Ihr es ja wohl allein schaffen.
#| {normal}Du schluckst. Dich als den großen Helden auszugeben, war wohl doch nicht so klug.
#| Aber du bist zu stolz, um jetzt zuzugeben, dass du Hilfe brauchst.
#| Und so ziehst du allein weiter, nachdem du etwas gegessen hast.
#| ~
#| ~
{speech}I will show you the way. Surely the legendary Hulgor can manage the rest on his own.
{normal}You gulp. Passing yourself off as the great hero wasn't so clever after all.
But you're too proud to admit now that you need help.
And so, after a bite to eat, you set off alone.
~
~
