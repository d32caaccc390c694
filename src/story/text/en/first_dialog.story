# Chapter "The First Dialog": waking up on the prisoner cart.

=== opening
Slowly you open your eyes. Confused, you realize that you're no longer in your bedroom.
Instead, you're sitting in bonds on a horse-drawn cart, wedged in among other prisoners.
You've never seen any of them before, and the cart is rumbling along in the middle of a road. The road winds through a snowy winter landscape, and you haven't the faintest idea how you got here.
Across from you sits a bearded man who reminds you of a Viking from a cheap TV series. He is looking you over.

=== greeting
{speech}
So you are finally awake,{normal} he says in a deep voice, regarding you with a strange lack of emotion.
~

=== options
{hint}
{option 1 >} Jump up and make a run for it.
{option 2 >} Ask where you are
{option 3 >} Call for help
~
~
{quit} Quit game

=== flee
Startled, you try to jump up, but the bonds hold you mercilessly in place.
~
The Viking laughs mockingly.{_}
~
{speech}The ropes are thick. Without a sharp blade you will get nowhere,{normal} he says, resigned.

=== where_am_i
You ask where you are.
The Viking gives you a puzzled look.
{speech}They must have struck you too hard on the head. You are on your way to your execution, like all of us here.
{normal}Aghast, you stare at him. Execution? Why on earth would anyone want to execute you? This has to be a bad dream.
The Viking laughs again.
{speech}Accept your fate, {normal}he says,{speech} you are an enemy of the Empire. So pray to your gods and make your peace.
{normal}\

=== call_for_help
In desperation, you call for help.
{speech}Hold your tongue back there!{normal} the driver snaps at you. A sword dangles from his belt.
You decide it's wiser not to provoke him any further.

=== closing
~
~
{normal}For a moment you say nothing and let it all sink in. You still don't understand what is actually going on here.
The other prisoners are silent too. They seem to have resigned themselves to what lies ahead of them.
All of them wear plain clothes that strike you as somehow medieval. And so do you, which unsettles you even more.
More and more questions buzz around in your head.
~
