# Chapter "The First Dialog": waking up on the prisoner cart.

=== opening @2674282e
#| Langsam öffnest du die Augen. Verwirrt stellst du fest, dass du nicht mehr in deinem Schlafzimmer bist.
#| Stattdessen sitzt du gefesselt auf einem Pferdekarren, eingezwängt zwischen anderen Gefangenen.
#| Keinen von ihnen hast du je zuvor gesehen, und der Karren rumpelt mitten auf einer Straße dahin. Die Straße windet sich durch eine verschneite Winterlandschaft, und du hast nicht die geringste Ahnung, wie du hierhergekommen bist.
#| Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer billigen Fernsehserie erinnert. Er mustert dich.
Slowly you open your eyes. Confused, you realize that you're no longer in your bedroom.
Instead, you're sitting in bonds on a horse-drawn cart, wedged in among other prisoners.
You've never seen any of them before, and the cart is rumbling along in the middle of a road. The road winds through a snowy winter landscape, and you haven't the faintest idea how you got here.
Across from you sits a bearded man who reminds you of a Viking from a cheap TV series. He is looking you over.

=== greeting @7f3e419f
#| {speech}
#| Ihr seid also endlich wach,{normal} sagt er mit tiefer Stimme und sieht dich seltsam emotionslos an.
#| ~
{speech}
So you are finally awake,{normal} he says in a deep voice, regarding you with a strange lack of emotion.
~

=== options @888e298a
#| {hint}
#| {option 1 >} Aufspringen und die Flucht ergreifen.
#| {option 2 >} Fragen, wo du bist
#| {option 3 >} Um Hilfe rufen
#| ~
#| ~
#| {quit} Spiel beenden
{hint}
{option 1 >} Jump up and make a run for it.
{option 2 >} Ask where you are
{option 3 >} Call for help
~
~
{quit} Quit game

=== flee @da95c1ab
#| Erschrocken willst du aufspringen, doch die Fesseln halten dich unerbittlich fest.
#| ~
#| Der Wikinger lacht spöttisch.{_}
#| ~
#| {speech}Die Stricke sind dick. Ohne eine scharfe Klinge wird das nichts,{normal} sagt er resigniert.
Startled, you try to jump up, but the bonds hold you mercilessly in place.
~
The Viking laughs mockingly.{_}
~
{speech}The ropes are thick. Without a sharp blade you will get nowhere,{normal} he says, resigned.

=== where_am_i @2dbe3cec
#| Du fragst, wo du bist.
#| Der Wikinger sieht dich irritiert an.
#| {speech}Man hat Euch wohl zu fest auf den Kopf geschlagen. Ihr seid auf dem Weg zu Eurer Hinrichtung, so wie wir alle hier.
#| {normal}Entgeistert starrst du ihn an. Hinrichtung? Warum um alles in der Welt solltest du hingerichtet werden? Das muss ein böser Traum sein.
#| Der Wikinger lacht erneut.
#| {speech}Findet Euch damit ab, {normal}sagt er,{speech} Ihr seid ein Feind des Kaiserreichs. Also betet zu Euren Göttern und schließt Euren Frieden.
#| {normal}\
You ask where you are.
The Viking gives you a puzzled look.
{speech}They must have struck you too hard on the head. You are on your way to your execution, like all of us here.
{normal}Aghast, you stare at him. Execution? Why on earth would anyone want to execute you? This has to be a bad dream.
The Viking laughs again.
{speech}Accept your fate, {normal}he says,{speech} you are an enemy of the Empire. So pray to your gods and make your peace.
{normal}\

=== call_for_help @c4289b55
#| Verzweifelt rufst du um Hilfe.
#| {speech}Haltet da hinten gefälligst das Maul!{normal} faucht dich der Kutscher an, an dessen Gürtel ein Schwert baumelt.
#| Du beschließt, ihn lieber nicht weiter zu provozieren.
In desperation, you call for help.
{speech}Hold your tongue back there!{normal} the driver snaps at you. A sword dangles from his belt.
You decide it's wiser not to provoke him any further.

=== closing @8eec1e7a
#| ~
#| ~
#| {normal}Einen Moment lang schweigst du und lässt das alles auf dich wirken. Noch immer begreifst du nicht, was hier eigentlich vor sich geht.
#| Auch die anderen Gefangenen schweigen. Sie scheinen sich mit dem abgefunden zu haben, was ihnen bevorsteht.
#| Alle tragen schlichte Kleidung, die auf dich irgendwie mittelalterlich wirkt. Und du selbst auch, was dich noch mehr irritiert.
#| Immer mehr Fragen schwirren dir durch den Kopf.
#| ~
~
~
{normal}For a moment you say nothing and let it all sink in. You still don't understand what is actually going on here.
The other prisoners are silent too. They seem to have resigned themselves to what lies ahead of them.
All of them wear plain clothes that strike you as somehow medieval. And so do you, which unsettles you even more.
More and more questions buzz around in your head.
~
